#pragma once

#include "dictionary/dictionary_change.h"

#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace carbonym::ui {

enum class ChangeResult {
    Ran, // `change` ran to its end
    Declined, // the file has several hard links and the user chose not to split them
    Failed, // `change` threw; the dictionary is unchanged
};

// The one way a window changes the dictionary: when the file has other hard
// links, asks first whether to save all the same (是 splits the links), then
// runs `change` in the background, with the busy notice once it takes a
// while (another writer may hold the lock, and the change waits for it).
// On Failed, `failure` holds the reason, in Chinese.
ChangeResult RunDictionaryChange(QWidget* parent, const std::filesystem::path& dictionary,
                                 const std::function<void(const ChangeOptions&)>& change, QString& failure);

} // namespace carbonym::ui
