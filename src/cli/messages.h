#pragma once

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_problem.h"
#include "dictionary/term_check.h"

#include <string>
#include <string_view>

namespace carbonym::cli {

// Every word carbonym-cli says about the dictionary, in one place.
inline constexpr const char* kNoEnglishMessage = "没有要添加的英文";
inline constexpr const char* kNoChineseListMessage = "没有要添加的中文";

// An add or set without Chinese, naming the English term.
std::string NoChineseMessage(std::u16string_view english);

// The add that was done, naming the term.
std::string AddDoneMessage(std::u16string_view english);

// What went wrong, naming the file and, where it matters, the record.
std::string Describe(const DictionaryError& error);

// The problem of a record that `dict check` reports, naming the record.
std::string Describe(const DictionaryProblem& problem);

// Why a pair cannot be stored, naming the term.
std::string Describe(TermFault fault, std::u16string_view english, std::u16string_view chinese);

// The exception being handled, described for the user: to be called inside
// a catch block.
std::string DescribeCurrentException();

// The message for an add refused because its English is stored already.
std::string DuplicateMessage(InsertStatus status, std::u16string_view english, std::u16string_view stored);

// The message of a batch that ran (Done) or was refused.
std::string BatchMessage(const BatchOutcome& outcome);

// The summary lines of translate on standard error.
inline std::string EnglishLeftMessage(size_t lines)
{
    return std::to_string(lines) + " 行仍含英文（--untranslated 列出未译的英文）";
}
inline std::string RulesWouldDifferMessage(size_t lines)
{
    return std::to_string(lines) + " 行按命名规则排序会不同（用 --sort=rules 按命名规则排序）";
}

inline constexpr const char* kInvalidUtf8Message = "输入不是有效的 UTF-8 文本";
inline constexpr const char* kEmptySourceMessage = "没有要翻译的英文内容！";
inline constexpr const char* kTranslateFailed = "翻译失败：";
inline constexpr const char* kOutOfMemory = "内存不足";

// A text with its control characters made visible ("\t", "\0", ...), in quotes.
std::string Quoted(std::u16string_view text);

} // namespace carbonym::cli
