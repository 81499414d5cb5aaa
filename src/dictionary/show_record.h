#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace carbonym {

// What the show command puts into the window: the record's Length and its
// trimmed texts, or a message when there is nothing to show.
struct ShownRecord {
    bool Found = false;
    std::u16string Length;
    std::u16string English;
    std::u16string Chinese;
    std::string Message; // UTF-8, set when not found
};

// Reads the record whose number `numberText` begins with (ParseRecordNumber)
// and closes the dictionary before it returns. A number outside 1 ...
// RecordCount, or a dictionary that cannot be read, gives a message and
// changes nothing. An absent dictionary is created empty.
ShownRecord ShowRecord(const std::filesystem::path& dictionary, std::u16string_view numberText);

} // namespace carbonym
