#include "dictionary/show_record.h"

#include "dictionary/dictionary_file.h"
#include "dictionary/record_number.h"
#include "text/trim.h"
#include "text/utf8.h"

namespace carbonym {

namespace {

std::u16string Decimal(int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::string OutOfRangeMessage(const std::string& number, int64_t count)
{
    if (count == 0)
        return "没有记录号为 " + number + " 的数据：词典中还没有任何数据";
    return "没有记录号为 " + number + " 的数据：请输入 1 到 " + std::to_string(count) + " 之间的记录号";
}

} // namespace

ShownRecord ShowRecord(const std::filesystem::path& dictionary, std::u16string_view numberText)
{
    const auto number = ParseRecordNumber(numberText);
    ShownRecord shown;
    try {
        DictionaryFile file(dictionary);
        const int64_t count = file.RecordCount();
        if (!number || *number < 1 || *number > count) {
            file.Close();
            shown.Message = OutOfRangeMessage(number ? std::to_string(*number) : Utf16ToUtf8(Trim(numberText)), count);
            return shown;
        }
        const TermRecord record = file.Read(*number);
        file.Close();
        shown.Found = true;
        shown.Length = Decimal(record.Length);
        shown.English = Trim(record.English);
        shown.Chinese = Trim(record.Chinese);
    } catch (const std::exception& error) {
        shown.Message = std::string("无法显示记录：") + error.what();
    }
    return shown;
}

} // namespace carbonym
