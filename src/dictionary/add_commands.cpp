#include "dictionary/add_commands.h"

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_path.h"
#include "dictionary/gbk_codec.h"
#include "text/lines.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace carbonym {

namespace {

// A work file that exists only while the batch runs: written, read back,
// and deleted when it goes out of scope, whatever happened in between.
class WorkFile {
public:
    explicit WorkFile(std::filesystem::path path) : path_(std::move(path)) { }
    ~WorkFile()
    {
        // Only a file this command wrote is removed. A removal that fails
        // leaves a stray work file, which the next batch replaces.
        std::error_code ignored;
        if (written_)
            std::filesystem::remove(path_, ignored);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    void Write(std::string_view bytes)
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        written_ = out.is_open();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!written_ || !out)
            throw DictionaryError(DictionaryFault::WorkFileUnwritable, path_);
    }

    std::string Read() const
    {
        std::ifstream in(path_, std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        if (!in.is_open() || in.bad())
            throw DictionaryError(DictionaryFault::WorkFileUnreadable, path_);
        return bytes;
    }

private:
    std::filesystem::path path_;
    bool written_ = false;
};

} // namespace

BoxBatchOutcome RunBatchAdd(const std::filesystem::path& directory, std::u16string_view englishText,
                            std::u16string_view chineseText, const ChangeOptions& options)
{
    BoxBatchOutcome outcome;
    if (englishText.empty()) {
        outcome.Status = BoxBatchOutcome::Status::NoEnglish;
        return outcome;
    }
    if (chineseText.empty()) {
        outcome.Status = BoxBatchOutcome::Status::NoChinese;
        return outcome;
    }
    GbkCodec codec;
    const std::string englishBytes = codec.Encode(ToBoxLineBreaks(englishText));
    const std::string chineseBytes = codec.Encode(ToBoxLineBreaks(chineseText));
    WorkFile englishFile(directory / kEnglishWorkFile);
    WorkFile chineseFile(directory / kChineseWorkFile);
    englishFile.Write(englishBytes);
    chineseFile.Write(chineseBytes);
    outcome.Batch = AddBatch(DictionaryPathIn(directory), SplitWorkFileLines(codec.Decode(englishFile.Read())),
                             SplitWorkFileLines(codec.Decode(chineseFile.Read())), options);
    return outcome;
}

} // namespace carbonym
