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
    explicit WorkFile(std::filesystem::path path) : path_(std::move(path)) {}
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
            throw DictionaryError("无法写入临时文件“" + DisplayPath(path_) + "”");
    }

    std::string Read() const
    {
        std::ifstream in(path_, std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        if (!in.is_open() || in.bad())
            throw DictionaryError("无法读取临时文件“" + DisplayPath(path_) + "”");
        return bytes;
    }

private:
    std::filesystem::path path_;
    bool written_ = false;
};

std::vector<std::string> AddMessages(AddStatus status)
{
    switch (status) {
    case AddStatus::Inserted:
        return {kAddDoneMessage};
    case AddStatus::Duplicate:
        return {kDuplicateMessage}; // a refusal is not followed by a completion notice
    case AddStatus::NoEnglish:
        return {kNoEnglishMessage};
    case AddStatus::NoChinese:
        return {kNoChineseMessage};
    case AddStatus::FirstRecord:
    case AddStatus::NothingToAdd:
        break;
    }
    return {};
}

} // namespace

std::string AddFailedMessage(const std::exception& error)
{
    return std::string("数据添加失败，词典没有任何改动：") + error.what();
}

std::vector<std::string> RunAddTerm(const std::filesystem::path& dictionary, std::u16string english,
                                    std::u16string chinese, const ChangeOptions& options)
{
    try {
        return AddMessages(AddTerm(dictionary, std::move(english), std::move(chinese), options));
    } catch (const std::exception& error) {
        return {AddFailedMessage(error)};
    }
}

std::string RunBatchAdd(const std::filesystem::path& directory, std::u16string_view englishText,
                        std::u16string_view chineseText, const ChangeOptions& options, BatchOutcome* result)
{
    if (englishText.empty())
        return kNoEnglishMessage;
    if (chineseText.empty())
        return kNoChineseMessage;
    try {
        GbkCodec codec;
        const std::string englishBytes = codec.Encode(ToBoxLineBreaks(englishText));
        const std::string chineseBytes = codec.Encode(ToBoxLineBreaks(chineseText));
        BatchOutcome outcome;
        {
            WorkFile englishFile(directory / kEnglishWorkFile);
            WorkFile chineseFile(directory / kChineseWorkFile);
            englishFile.Write(englishBytes);
            chineseFile.Write(chineseBytes);
            outcome = AddBatch(DictionaryPathIn(directory), SplitWorkFileLines(codec.Decode(englishFile.Read())),
                               SplitWorkFileLines(codec.Decode(chineseFile.Read())), options);
        }
        if (result)
            *result = outcome;
        return BatchMessage(outcome);
    } catch (const std::exception& error) {
        return AddFailedMessage(error);
    }
}

} // namespace carbonym
