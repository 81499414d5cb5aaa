#pragma once

#include "dictionary/dictionary_change.h"

#include <QString>

#include <functional>

class QWidget;

namespace carbonym::ui {

// The busy notice of a change that takes a while.
inline constexpr const char* kChangeBusyNotice = "正在修改词典，请稍候（另一个程序正在修改时，会等它完成）……";

enum class ChangeResult {
    Ran, // `change` ran to its end
    Declined, // the file has several hard links and the user chose not to split them
    Failed, // `change` threw; the dictionary is unchanged
};

// Runs one change of the dictionary from a window: in the background, with
// the busy notice once it takes a while (another writer may hold the lock,
// and the change waits for it). When the file has several hard links, asks
// whether to save all the same, and runs the change again allowing it only
// on 是. On Failed, `failure` holds the reason, in Chinese.
ChangeResult RunDictionaryChange(QWidget* parent, const std::function<void(const ChangeOptions&)>& change,
                                 QString& failure);

} // namespace carbonym::ui
