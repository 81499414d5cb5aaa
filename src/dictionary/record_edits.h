#pragma once

#include "dictionary/dictionary_change.h"
#include "dictionary/term_check.h"
#include "dictionary/term_record.h"

#include <cstdint>
#include <filesystem>
#include <optional>
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
    Stale, // the record no longer holds what the caller saw (its number, English or Chinese); nothing changed
    NoChinese, // the new Chinese text is empty; nothing changed
    Refused, // the new Chinese has a fault (Fault): blank, or a control character; nothing changed
    Unchanged, // the records hold that Chinese already; nothing written
};

struct EditOutcome {
    EditStatus Status = EditStatus::Done;
    int64_t Records = 0; // how many records were changed or removed
    TermFault Fault = TermFault::BlankChinese; // Refused
    std::u16string Found; // Stale by --expect: the Chinese the record holds now, trimmed
};

// Replaces the Chinese of every record whose trimmed English equals the
// trimmed `english` exactly (a dictionary kept by the add commands holds one
// such record); a term longer than the English field is compared as the
// field holds it. The Chinese is cut at its first line break and trimmed, as
// an add stores it, and refused as an add refuses it; the English field and
// Length stay byte for byte. With `expect`, the change is made only when
// every such record holds that Chinese now (trimmed), so that a script does
// not overwrite a change it has not seen (Stale otherwise). Throws GbkError
// for a text GBK cannot hold, DictionaryError as ChangeDictionary.
EditOutcome SetChinese(const std::filesystem::path& dictionary, std::u16string_view english,
                       std::u16string_view chinese, const ChangeOptions& options = {},
                       std::optional<std::u16string_view> expect = std::nullopt);

// Removes every record whose trimmed English equals the trimmed `english`;
// with `expect`, only when each holds that Chinese now (Stale otherwise).
EditOutcome RemoveRecord(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options = {}, std::optional<std::u16string_view> expect = std::nullopt);

// A record as a window lists it: its number and the trimmed English and
// Chinese it held when listed. A change by reference is refused (Stale) when
// the record has changed under it since: another program set its Chinese,
// or records before it came or went.
struct RecordReference {
    int64_t Number = 0;
    std::u16string English;
    std::u16string Chinese;
};

EditOutcome SetChineseAt(const std::filesystem::path& dictionary, const RecordReference& record,
                         std::u16string_view chinese, const ChangeOptions& options = {});

EditOutcome RemoveRecordsAt(const std::filesystem::path& dictionary, const std::vector<RecordReference>& records,
                            const ChangeOptions& options = {});

} // namespace carbonym
