#include "ui/data/run_dictionary_change.h"

#include "dictionary/dictionary_error.h"
#include "ui/platform/message_box.h"
#include "ui/platform/run_with_progress.h"

#include <exception>

namespace carbonym::ui {

namespace {

const QString kBusyNotice = QStringLiteral("正在修改词典，请稍候……");

} // namespace

ChangeResult RunDictionaryChange(QWidget* parent, const std::function<void(const ChangeOptions&)>& change,
                                 QString& failure)
{
    ChangeOptions options;
    for (;;) {
        try {
            RunWithProgress(parent, kBusyNotice, [&] { change(options); });
            return ChangeResult::Ran;
        } catch (const DictionaryHardLinked& linked) {
            if (options.AllowHardLink) {
                failure = QString::fromUtf8(linked.what());
                return ChangeResult::Failed;
            }
            const QString question = QString::fromUtf8(linked.what())
                + QStringLiteral("\n\n保存后这个文件将与它的其他链接分开，其他链接仍是修改前的内容。仍要保存吗？");
            if (!AskQuestion(parent, question, QStringLiteral("提示")))
                return ChangeResult::Declined;
            options.AllowHardLink = true;
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
            return ChangeResult::Failed;
        }
    }
}

} // namespace carbonym::ui
