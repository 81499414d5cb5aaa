#pragma once

#include "dictionary/add_commands.h"
#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/show_record.h"

#include <QString>

#include <vector>

namespace carbonym::ui {

// Every word the windows say about the dictionary, in one place. The texts
// of the data-entry window's messages end in the spaces that belong to them.
inline constexpr const char* kNoEnglishMessage = "没有要添加的英文  ";
inline constexpr const char* kNoChineseMessage = "没有要添加的中文  ";
inline constexpr const char* kDuplicateMessage = "数据已经存在     ";
inline constexpr const char* kAddDoneMessage = "数据添加完毕    ";
inline constexpr const char* kBatchDoneMessage = "数据添加完毕     ";

// What went wrong, naming the file and, where it matters, the record.
QString Describe(const DictionaryError& error);

// Why a pair cannot be stored, naming the term.
QString DescribeFault(TermFault fault, std::u16string_view english, std::u16string_view chinese);

// The exception being handled, described: to be called inside a catch block.
QString DescribeCurrentException();

// "数据添加失败，词典没有任何改动：" and the exception being handled.
QString AddFailedMessage();

// The messages of a single add, in order: none after the first record of an
// empty dictionary.
std::vector<QString> AddMessages(const AddOutcome& outcome);

// The message of the batch add of the two list boxes.
QString BatchMessage(const BoxBatchOutcome& outcome);

// The message of a show command that found no record.
QString ShowRecordMessage(const ShownRecord& shown);

} // namespace carbonym::ui
