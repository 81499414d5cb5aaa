#include "translation/translate_command.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "translation/fast_translator.h"

namespace carbonym {

Translation Translate(std::u16string_view source, const std::vector<Term>& terms)
{
    return TranslateFast(source, terms);
}

TranslateOutcome TranslateCommand(std::u16string_view source, const std::filesystem::path& dictionary)
{
    TranslateOutcome outcome;
    if (source.empty()) {
        outcome.Status = TranslateStatus::EmptySource;
        return outcome;
    }
    try {
        const auto records = ReadExistingDictionary(dictionary);
        outcome.DictionaryEmpty = records.empty();
        outcome.Result = Translate(source, PrepareTerms(records));
    } catch (const DictionaryError& error) {
        outcome.Status = TranslateStatus::Failed;
        outcome.Error = error;
    } catch (const std::bad_alloc&) {
        outcome.Status = TranslateStatus::Failed;
    }
    return outcome;
}

} // namespace carbonym
