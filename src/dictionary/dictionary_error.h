#pragma once

#include <stdexcept>

namespace carbonym {

// A dictionary file that cannot be opened, read or written. The message is
// Chinese and meant for the user.
class DictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Another writer held the dictionary's lock for longer than the caller
// would wait. Nothing was changed.
class DictionaryLockTimeout : public DictionaryError {
public:
    using DictionaryError::DictionaryError;
};

// The dictionary has more than one hard link: saving would split them, so
// the change is made only when the caller asks for it
// (ChangeOptions::AllowHardLink). Nothing was changed.
class DictionaryHardLinked : public DictionaryError {
public:
    using DictionaryError::DictionaryError;
};

} // namespace carbonym
