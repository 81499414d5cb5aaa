#include "ui/platform/message_box.h"

#include "ui/platform/program_title.h"

#include <QPushButton>

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
    const ShownMessage question{QMessageBox::Question, title.isEmpty() ? ProgramTitle() : title, text};
    if (recorder) {
        recorder->messages_.append(question);
        return recorder->answers_.isEmpty() ? recorder->answer_ : recorder->answers_.takeFirst();
    }
    QMessageBox box(question.Icon, question.Title, question.Text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

MessageRecorder::MessageRecorder() : previous_(recorder)
{
    recorder = this;
}

MessageRecorder::~MessageRecorder()
{
    recorder = previous_;
}

} // namespace carbonym::ui
