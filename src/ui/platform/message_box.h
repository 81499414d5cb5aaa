#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

namespace carbonym::ui {

struct ShownMessage {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Title;
    QString Text;
};

// Shows a message box with an OK button and waits for it to be closed. An
// empty title stands for the program's title.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& title = {});

// Asks a question with 是 and 否 buttons (the question icon) and waits for
// the answer: true for 是.
bool AskQuestion(QWidget* parent, const QString& text, const QString& title = {});

// While a recorder exists, ShowMessage and AskQuestion record what they
// would have shown instead of showing it, so that tests can read it without
// a blocking box; questions get the answer set by AnswerQuestions (否 until
// then).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<ShownMessage>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }
    void AnswerQuestions(bool yes) { answer_ = yes; }

private:
    friend void ShowMessage(QWidget*, QMessageBox::Icon, const QString&, const QString&);
    friend bool AskQuestion(QWidget*, const QString&, const QString&);

    MessageRecorder* previous_;
    QList<ShownMessage> messages_;
    bool answer_ = false;
};

} // namespace carbonym::ui
