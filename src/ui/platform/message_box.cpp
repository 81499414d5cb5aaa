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

bool AskQuestion(QWidget* parent, const QString& text, const QString& title)
{
    const ShownMessage message{QMessageBox::Question, title.isEmpty() ? ProgramTitle() : title, text};
    if (recorder) {
        recorder->messages_.append(message);
        return recorder->answer_;
    }
    QMessageBox box(message.Icon, message.Title, message.Text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setButtonText(QMessageBox::Yes, QStringLiteral("是"));
    box.setButtonText(QMessageBox::No, QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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
