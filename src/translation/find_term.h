#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace carbonym {

// The 0-based position of the leftmost occurrence of `term` in `text` that
// begins at or after `start`, or -1 when there is none. Case-insensitive by
// simple case folding of each UTF-16 unit; word boundaries play no part, and
// an empty term matches at `start`. Requires start <= text.size().
int64_t FindTerm(std::u16string_view text, std::u16string_view term, size_t start);

} // namespace carbonym
