#pragma once

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_change.h"

#include <filesystem>
#include <string_view>

namespace carbonym {

inline constexpr const char* kEnglishWorkFile = "temp1.txt";
inline constexpr const char* kChineseWorkFile = "temp2.txt";

// What the batch add of the data-entry window's two list boxes came to.
struct BoxBatchOutcome {
    enum class Status {
        Ran, // the batch ran: Batch
        NoEnglish, // the English box is empty; nothing written
        NoChinese, // the Chinese box is empty; nothing written
    };
    Status Status = Status::Ran;
    BatchOutcome Batch;
};

// The batch add of the two list boxes. The lists go through the work files
// temp1.txt and temp2.txt in `directory` (GBK, CR LF), are read back line by
// line and added to source.dat in `directory` (AddBatch). A text that GBK
// cannot hold is refused before anything is written (GbkError), and the work
// files are deleted on every path before it returns or throws
// (DictionaryError as AddBatch, or WorkFileUnwritable, WorkFileUnreadable).
BoxBatchOutcome RunBatchAdd(const std::filesystem::path& directory, std::u16string_view englishText,
                            std::u16string_view chineseText, const ChangeOptions& options = {});

} // namespace carbonym
