#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// What a search looks for in the records: a record matches when its English
// term, letter case aside, or its Chinese term holds the text. An empty text
// matches every record.
class RecordQuery {
public:
    explicit RecordQuery(std::u16string_view text);

    // `foldedEnglish` is the English term through FoldCase, so that a search
    // over many records folds each term once, not once per search.
    bool Matches(std::u16string_view foldedEnglish, std::u16string_view chinese) const;

    bool Empty() const { return text_.empty(); }

private:
    std::u16string text_;
    std::u16string folded_;
};

} // namespace carbonym
