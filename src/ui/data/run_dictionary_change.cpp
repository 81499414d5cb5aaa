#include "ui/data/run_dictionary_change.h"

#include "dictionary/dictionary_error.h"
#include "ui/platform/dictionary_messages.h"
#include "ui/platform/message_box.h"
#include "ui/platform/run_with_progress.h"

#include <exception>

namespace carbonym::ui {

ChangeResult RunDictionaryChange(QWidget* parent, const std::function<void(const ChangeOptions&)>& change,
                                 QString& failure)
{
    ChangeOptions options;
    for (;;) {
        try {
            RunWithProgress(parent, QString::fromUtf8(kChangeBusyNotice), [&] { change(options); });
            return ChangeResult::Ran;
        } catch (const DictionaryHardLinked& linked) {
            if (options.AllowHardLink) {
                failure = Describe(linked);
                return ChangeResult::Failed;
            }
            if (!AskQuestion(parent, QString::fromUtf8(kHardLinkQuestion), QStringLiteral("提示")))
                return ChangeResult::Declined;
            options.AllowHardLink = true;
        } catch (const std::exception&) {
            failure = DescribeCurrentException();
            return ChangeResult::Failed;
        }
    }
}

} // namespace carbonym::ui
