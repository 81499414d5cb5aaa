#pragma once

#include <stdexcept>

namespace carbonym {

// A dictionary file that cannot be opened, read or written. The message is
// Chinese and meant for the user.
class DictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace carbonym
