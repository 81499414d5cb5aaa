#pragma once

#include "dictionary/dictionary_error.h"
#include "translation/term.h"
#include "translation/translation.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

enum class TranslateStatus { Translated, EmptySource, Failed };

struct TranslateOutcome {
    TranslateStatus Status = TranslateStatus::Translated;
    Translation Result; // valid when Translated
    bool DictionaryEmpty = false; // Translated with no record at all: nothing could change
    std::optional<DictionaryError> Error; // Failed: why the dictionary could not be read; none when out of memory
};

// The translation engine the program uses.
Translation Translate(std::u16string_view source, const std::vector<Term>& terms);

// The translate command: an empty source is reported, otherwise the dictionary
// at `dictionary` is read and applied to the
// source. A dictionary that cannot be read, or is absent (translating never
// creates one), is a failure with a message.
TranslateOutcome TranslateCommand(std::u16string_view source, const std::filesystem::path& dictionary);

} // namespace carbonym
