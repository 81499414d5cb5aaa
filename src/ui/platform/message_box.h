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

// While a recorder exists, ShowMessage records what it would have shown
// instead of showing it, so that tests can read it without a blocking box.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<ShownMessage>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    friend void ShowMessage(QWidget*, QMessageBox::Icon, const QString&, const QString&);

    MessageRecorder* previous_;
    QList<ShownMessage> messages_;
};

} // namespace carbonym::ui
