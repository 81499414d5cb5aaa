#include "dictionary/show_record.h"

#include "dictionary/dictionary_file.h"
#include "dictionary/file_system.h"
#include "dictionary/record_number.h"
#include "text/trim.h"

namespace carbonym {

namespace {

std::u16string Decimal(int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

ShownRecord ShowRecord(const std::filesystem::path& dictionary, std::u16string_view numberText)
{
    ShownRecord shown;
    shown.Number = ParseRecordNumber(numberText);
    shown.NumberText = Trim(numberText);
    try {
        if (!InspectFile(dictionary).Exists) {
            shown.Status = ShownRecord::Status::OutOfRange;
            return shown;
        }
        RequireExistingDictionary(dictionary);
        DictionaryFile file(dictionary);
        shown.Count = file.RecordCount();
        if (!shown.Number || *shown.Number < 1 || *shown.Number > shown.Count) {
            shown.Status = ShownRecord::Status::OutOfRange;
            return shown;
        }
        const TermRecord record = file.Read(*shown.Number);
        file.Close();
        shown.Length = Decimal(record.Length);
        shown.English = Trim(record.English);
        shown.Chinese = Trim(record.Chinese);
    } catch (const DictionaryError& error) {
        shown.Status = ShownRecord::Status::Failed;
        shown.Error = error;
    }
    return shown;
}

} // namespace carbonym
