#pragma once

#include "dictionary/dictionary_change.h"
#include "dictionary/term_record.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// Search, correction and removal of stored records. Every change goes
// through ChangeDictionary: locked, all or nothing, with a backup.

// Whether a record matches a search text: its trimmed English holds the
// text, letter case aside, or its trimmed Chinese holds it. An empty text
// matches every record.
class RecordSearch {
public:
    explicit RecordSearch(std::u16string_view text);
    bool Matches(std::u16string_view english, std::u16string_view chinese) const;

private:
    std::u16string text_;
    std::u16string folded_;
};

struct FoundRecord {
    int64_t Number = 0; // 1-based, in file order
    TermRecord Record; // as read, filling spaces included
};

std::vector<FoundRecord> FindRecords(const std::vector<TermRecord>& records, std::u16string_view text);

// Reads the dictionary (never creating it: an absent file throws
// DictionaryError) and finds the matching records in file order.
std::vector<FoundRecord> FindRecords(const std::filesystem::path& dictionary, std::u16string_view text);

enum class EditStatus {
    Done, // changed and saved
    NotFound, // no record has that English term; nothing changed
    Stale, // a record given by number no longer holds the English it held; nothing changed
    NoChinese, // the new Chinese text is empty; nothing changed
};

struct EditOutcome {
    EditStatus Status = EditStatus::Done;
    int64_t Records = 0; // how many records were changed or removed
};

// Replaces the Chinese of every record whose trimmed English equals the
// trimmed `english` exactly (a dictionary kept by the add commands holds one
// such record); a term longer than the English field is compared as the
// field holds it. The Chinese is cut at its first line break and trimmed, as
// an add stores it; the English field and Length stay byte for byte.
// Throws GbkError for a text GBK cannot hold, DictionaryError as
// ChangeDictionary.
EditOutcome SetChinese(const std::filesystem::path& dictionary, std::u16string_view english,
                       std::u16string_view chinese, const ChangeOptions& options = {});

// Removes every record whose trimmed English equals the trimmed `english`.
EditOutcome RemoveRecord(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options = {});

// A record as a window lists it: its number and the trimmed English it held
// when listed. A change by reference is refused (Stale) when the file has
// changed under it since.
struct RecordReference {
    int64_t Number = 0;
    std::u16string English;
};

EditOutcome SetChineseAt(const std::filesystem::path& dictionary, const RecordReference& record,
                         std::u16string_view chinese, const ChangeOptions& options = {});

EditOutcome RemoveRecordsAt(const std::filesystem::path& dictionary, const std::vector<RecordReference>& records,
                            const ChangeOptions& options = {});

} // namespace carbonym
