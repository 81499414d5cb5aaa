#include "ui/platform/message_box.h"

#include "ui/platform/program_title.h"

namespace carbonym::ui {

namespace {
MessageRecorder* recorder = nullptr;
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& title)
{
    const ShownMessage message{icon, title.isEmpty() ? ProgramTitle() : title, text};
    if (recorder) {
        recorder->messages_.append(message);
        return;
    }
    QMessageBox box(message.Icon, message.Title, message.Text, QMessageBox::Ok, parent);
    box.exec();
}

MessageRecorder::MessageRecorder()
    : previous_(recorder)
{
    recorder = this;
}

MessageRecorder::~MessageRecorder()
{
    recorder = previous_;
}

} // namespace carbonym::ui
