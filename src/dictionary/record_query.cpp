#include "dictionary/record_query.h"

#include "text/case_fold.h"

namespace carbonym {

RecordQuery::RecordQuery(std::u16string_view text)
    : text_(text)
    , folded_(FoldCase(text))
{
}

bool RecordQuery::Matches(std::u16string_view foldedEnglish, std::u16string_view chinese) const
{
    return foldedEnglish.find(folded_) != std::u16string_view::npos
        || chinese.find(text_) != std::u16string_view::npos;
}

} // namespace carbonym
