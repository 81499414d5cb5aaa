#pragma once

#include "dictionary/dictionary_error.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace carbonym {

// What the show command puts into the window: the record's Length and its
// trimmed texts, or why there is nothing to show.
struct ShownRecord {
    enum class Status {
        Found,
        OutOfRange, // no record has the number (Number, empty when the text holds none that fits); Count records
        Failed, // the dictionary cannot be read: Error
    };
    Status Status = Status::Found;
    std::u16string Length;
    std::u16string English;
    std::u16string Chinese;
    std::optional<int32_t> Number;
    std::u16string NumberText; // the typed text, trimmed
    int64_t Count = 0;
    std::optional<DictionaryError> Error;
};

// Reads the record whose number `numberText` begins with (ParseRecordNumber)
// and closes the dictionary before it returns. A number outside 1 ...
// RecordCount, or a dictionary that cannot be read, changes nothing. An
// absent dictionary is one without records: showing never creates it.
ShownRecord ShowRecord(const std::filesystem::path& dictionary, std::u16string_view numberText);

} // namespace carbonym
