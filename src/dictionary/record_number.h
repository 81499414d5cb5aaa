#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace carbonym {

// The record number typed into a box: the value of the number the text
// begins with (0 when it begins with none), rounded to the nearest integer,
// halves to the even neighbour: " 7" and "7abc" give 7, "2.5" gives 2 and
// "3.5" gives 4. Spaces, tabs and line feeds are skipped wherever they stand;
// a sign, a decimal point and an exponent ("1e3", "1d3") are understood.
// Empty when the value does not fit a signed 32-bit integer.
std::optional<int32_t> ParseRecordNumber(std::u16string_view text);

} // namespace carbonym
