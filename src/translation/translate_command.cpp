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
        outcome.Message = kEmptySourceMessage;
        return outcome;
    }
    try {
        const auto records = ReadDictionary(dictionary);
        outcome.DictionaryEmpty = records.empty();
        outcome.Result = Translate(source, PrepareTerms(records));
    } catch (const DictionaryError& error) {
        outcome.Status = TranslateStatus::Failed;
        outcome.Reason = error.what();
        outcome.Message = std::string("翻译失败：") + error.what();
    } catch (const std::bad_alloc&) {
        outcome.Status = TranslateStatus::Failed;
        outcome.Message = "翻译失败：内存不足";
    }
    return outcome;
}

} // namespace carbonym
