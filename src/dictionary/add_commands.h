#pragma once

#include "dictionary/dictionary_change.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

struct BatchOutcome;

// The two add commands of the data-entry window, from the texts of its boxes
// to the messages it shows. Neither throws: a failure becomes a message that
// says the add failed and that the dictionary is unchanged.

// "数据添加失败…": the message for an add that failed with `error`.
std::string AddFailedMessage(const std::exception& error);

// The single add of the pair in the English and Chinese boxes (AddTerm).
// The messages to show, in order; none after the first record of an empty
// dictionary or a blank English term into it.
std::vector<std::string> RunAddTerm(const std::filesystem::path& dictionary, std::u16string english,
                                    std::u16string chinese, const ChangeOptions& options = {});

inline constexpr const char* kEnglishWorkFile = "temp1.txt";
inline constexpr const char* kChineseWorkFile = "temp2.txt";

// The batch add of the two list boxes. The lists go through the work files
// temp1.txt and temp2.txt in `directory` (GBK, CR LF), are read back line by
// line and added to source.dat in `directory` (AddBatch). A text that GBK
// cannot hold is refused before anything is written, and the work files are
// deleted on every path before the message is returned.
// `outcome`, when given, receives what the batch did (the counts and the
// refused terms), for a window that names them.
std::string RunBatchAdd(const std::filesystem::path& directory, std::u16string_view englishText,
                        std::u16string_view chineseText, const ChangeOptions& options = {},
                        BatchOutcome* outcome = nullptr);

// The question a window asks before it changes a dictionary with other hard
// links (HasOtherHardLinks): 是 saves, splitting the links.
inline constexpr const char* kHardLinkQuestion =
    "词典文件还有其他硬链接：保存后它将与其他链接分开，其他链接仍是旧的内容。仍要保存吗？";

} // namespace carbonym
