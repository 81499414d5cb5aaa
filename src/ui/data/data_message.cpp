#include "ui/data/data_message.h"

#include <utility>

namespace carbonym::ui {

namespace {
MessageHook hook;
}

void ShowDataMessage(QWidget* parent, const QString& text)
{
    const QString title = QStringLiteral("提示");
    if (hook)
        hook(QMessageBox::Information, title, text);
    else
        QMessageBox::information(parent, title, text);
}

MessageHook SetMessageHook(MessageHook newHook)
{
    return std::exchange(hook, std::move(newHook));
}

} // namespace carbonym::ui
