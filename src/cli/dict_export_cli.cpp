// dict export: every record as English, a tab and Chinese, in file order.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/gbk_codec.h"
#include "text/trim.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <memory>
#include <ostream>

namespace carbonym::cli {

namespace {

// Whether importing the exported line gives the record's bytes back: not so
// for a term cut at its field, a text holding a tab or a line break, or
// bytes that do not decode.
bool ExportsExactly(std::u16string_view english, std::u16string_view chinese, std::string_view bytes, GbkCodec& codec)
{
    for (const auto text : {english, chinese}) {
        if (text.find_first_of(u"\t\r\n") != std::u16string_view::npos)
            return false;
    }
    try {
        const auto rebuilt = EncodeRecord(MakeRecord(english, chinese), codec);
        return std::memcmp(rebuilt.data(), bytes.data(), kRecordSize) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

int RunExport(const std::string& dictionary)
{
    const std::string bytes = DictionaryImage(ExistingDictionary(dictionary)).Bytes();
    GbkCodec codec;
    std::vector<size_t> inexact;
    for (size_t n = 1; n * kRecordSize <= bytes.size(); ++n) {
        const std::string_view recordBytes = std::string_view(bytes).substr((n - 1) * kRecordSize, kRecordSize);
        const TermRecord record = DecodeRecord(recordBytes, codec);
        const auto english = Trim(record.English);
        const auto chinese = Trim(record.Chinese);
        WriteLine(std::u16string(english) + u'\t' + std::u16string(chinese));
        if (!ExportsExactly(english, chinese, recordBytes, codec))
            inexact.push_back(n);
    }
    FinishOutput();
    if (!inexact.empty()) {
        ErrorStream() << "注意：以下 " << inexact.size() << " 条记录导入后不会与原记录完全相同"
                      << "（英文被截断、含制表符或换行，或含无法识别的字节）：";
        for (size_t i = 0; i < inexact.size() && i < 20; ++i)
            ErrorStream() << (i ? "、" : "") << inexact[i];
        ErrorStream() << (inexact.size() > 20 ? "……" : "") << '\n';
    }
    return 0;
}

} // namespace

void AddExportCommand(CLI::App& dict, int& status)
{
    auto dictionary = std::make_shared<std::string>();
    auto* command = dict.add_subcommand("export", "导出全部记录：每行英文和中文，以制表符分隔，按文件顺序");
    AddDictionaryOption(*command, *dictionary);
    command->callback([dictionary, &status] { status = RunExport(*dictionary); });
}

} // namespace carbonym::cli
