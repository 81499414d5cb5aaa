#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace carbonym {

// What makes a pair unfit for the dictionary on its own, whatever else is
// stored: the add commands refuse such a pair, and the check of a dictionary
// reports a record that is one.
enum class TermFault {
    BlankEnglish, // nothing but spaces: the record would never match a name
    BlankChinese, // nothing but spaces: translating would delete the English
    ControlInEnglish, // a tab, line break, NUL or other control character
    ControlInChinese,
    EnglishTooLong, // more characters than the 16-bit Length can count
};

// Every fault of the pair as a record stores it (each text trimmed of
// spaces), in the order above; empty for a fit pair.
std::vector<TermFault> TermFaults(std::u16string_view english, std::u16string_view chinese);

// A pair with a fault reached the dictionary's insert; nothing was changed.
class TermRefused : public std::invalid_argument {
public:
    explicit TermRefused(TermFault fault) : std::invalid_argument("term refused"), fault_(fault) { }
    TermFault Fault() const { return fault_; }

private:
    TermFault fault_;
};

} // namespace carbonym
