#include "ui/data/run_dictionary_change.h"

#include "dictionary/dictionary_error.h"
#include "ui/messages.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/platform/message_box.h"
#include "ui/platform/run_with_progress.h"

#include <exception>

namespace carbonym::ui {

ChangeResult RunDictionaryChange(QWidget* parent, const std::filesystem::path& dictionary,
                                 const std::function<void(const ChangeOptions&)>& change, QString& failure)
{
    ChangeOptions options;
    if (HasOtherHardLinks(dictionary)) {
        if (!AskQuestion(parent, messages::HardLinkQuestion(), messages::Title()))
            return ChangeResult::Declined;
        options.AllowHardLink = true;
    }
    try {
        RunWithProgress(parent, messages::ChangeBusy(), [&] { change(options); });
        return ChangeResult::Ran;
    } catch (const std::exception&) {
        // A link made between the question and the save is refused too.
        failure = DescribeCurrentException();
        return ChangeResult::Failed;
    }
}

} // namespace carbonym::ui
