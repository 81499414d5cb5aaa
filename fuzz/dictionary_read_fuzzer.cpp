// A dictionary file of arbitrary bytes, read every way the program reads one
// (list, show, check, the image of the add commands) and translated with: nothing
// fails, every reader sees the same records, and reading changes nothing.

#include "fuzz_support.h"

#include "dictionary/dictionary_check.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_image.h"
#include "text/trim.h"
#include "translation/translate_command.h"

#include <algorithm>

using namespace carbonym;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = fuzz::Bytes(data, size);
    const auto path = fuzz::ScratchDirectory() / "source.dat";
    fuzz::WriteFile(path, bytes);

    const auto records = ReadDictionary(path);
    const int64_t count = RecordCountForSize(size);
    FUZZ_CHECK(static_cast<int64_t>(records.size()) == count);

    DictionaryFile file(path);
    FUZZ_CHECK(file.RecordCount() == count);
    for (int64_t n = 1; n <= count; ++n)
        FUZZ_CHECK(file.Read(n) == records[static_cast<size_t>(n - 1)]);
    file.Close();

    // The image keeps every record's bytes, a trailing fragment that counts
    // as a record filled with spaces and a shorter one as it is, so a save
    // never alters or drops what it did not change.
    const DictionaryImage image(path);
    FUZZ_CHECK(image.RecordCount() == count);
    for (int64_t n = 1; n <= count; ++n)
        FUZZ_CHECK(image.Record(n) == records[static_cast<size_t>(n - 1)]);
    std::string padded(bytes.substr(0, static_cast<size_t>(count) * kRecordSize));
    padded.resize(static_cast<size_t>(count) * kRecordSize, ' ');
    if (bytes.size() > padded.size())
        padded += bytes.substr(padded.size());
    FUZZ_CHECK(image.Bytes() == padded);

    // Every problem names records that exist, and a record before it where
    // it names one.
    const DictionaryCheck check = CheckDictionary(path);
    FUZZ_CHECK(check.RecordCount == count);
    for (const auto& problem : check.Problems) {
        FUZZ_CHECK(problem.Record >= 0 && problem.Record <= count);
        FUZZ_CHECK(problem.Earlier >= 0 && problem.Earlier < std::max<int64_t>(problem.Record, 1));
    }

    // A text made of the stored terms, so that they match.
    std::u16string source = u"methyl\r\n";
    for (const auto& record : records) {
        source += Trim(record.English);
        source += u", ";
        source += record.English;
        source += u"\r\n";
    }
    const auto outcome = TranslateCommand(source, path);
    FUZZ_CHECK(outcome.Status == TranslateStatus::Translated);
    FUZZ_CHECK(outcome.Result.Caret <= outcome.Result.Text.size());

    FUZZ_CHECK(fuzz::ReadFile(path) == bytes);
    return 0;
}
