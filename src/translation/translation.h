#pragma once

#include <cstddef>
#include <string>

namespace carbonym {

// A translated text and where the caret stands: just after the last inserted
// Chinese term, or at 0 when nothing was replaced.
struct Translation {
    std::u16string Text;
    size_t Caret = 0;

    bool operator==(const Translation&) const = default;
};

} // namespace carbonym
