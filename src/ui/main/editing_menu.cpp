#include "ui/main/editing_menu.h"

#include "ui/platform/clipboard.h"
#include "ui/platform/message_box.h"
#include "ui/platform/text_box.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace carbonym::ui {

namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* const action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    // Shown in the menu and working while it is open; otherwise the boxes'
    // own editing keys act on the box with the focus.
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

} // namespace

EditingMenu::EditingMenu(TextBox* source, TextBox* result, Clipboard& clipboard, QWidget* window)
    : QObject(window), source_(source), result_(result), clipboard_(clipboard), window_(window),
      menu_(new QMenu(QStringLiteral("kuaiji"), window))
{
    menu_->setObjectName(QStringLiteral("editMenu"));
    connect(AddEntry(menu_, "cutAction", QStringLiteral("剪切"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &EditingMenu::Cut);
    connect(AddEntry(menu_, "copyAction", QStringLiteral("复制"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &EditingMenu::Copy);
    paste_ = AddEntry(menu_, "pasteAction", QStringLiteral("粘贴"), QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(paste_, &QAction::triggered, this, &EditingMenu::Paste);
    connect(AddEntry(menu_, "deleteAction", QStringLiteral("删除"), QKeySequence(Qt::Key_Delete)), &QAction::triggered,
            this, &EditingMenu::Delete);

    for (TextBox* box : {source_, result_}) {
        // This menu replaces the boxes' own.
        box->setContextMenuPolicy(Qt::PreventContextMenu);
        box->installEventFilter(this);
        connect(box, &TextBox::mouseReleased, this,
                [this, box](Qt::MouseButton button, const QPoint& at) { OnMouseReleased(box, button, at); });
    }
    connect(result_, &TextBox::focusGained, this, [this] { source_->SetSelectionLength(0); });
    connect(source_, &TextBox::focusGained, this, [this] { result_->Repaint(); });
}

void EditingMenu::Cut()
{
    if (TextBox* const box = BoxWithSelection(); box && PutSelectionOnClipboard(box))
        box->ReplaceSelection({});
    paste_->setEnabled(true);
}

void EditingMenu::Copy()
{
    if (TextBox* const box = BoxWithSelection())
        PutSelectionOnClipboard(box);
    paste_->setEnabled(true);
}

void EditingMenu::Paste()
{
    TextBox* const box = pasteTarget_ == PasteTarget::Source   ? source_
                         : pasteTarget_ == PasteTarget::Result ? result_
                                                               : nullptr;
    if (box)
        PasteInto(box);
}

void EditingMenu::PasteInto(TextBox* box)
{
    const auto text = clipboard_.Text();
    if (!text) {
        ReportClipboardFailure();
        return;
    }
    box->ReplaceSelection(*text);
}

void EditingMenu::Delete()
{
    if (TextBox* const box = BoxWithSelection())
        box->ReplaceSelection({});
}

void EditingMenu::OnMouseReleased(TextBox* box, Qt::MouseButton button, const QPoint& globalPosition)
{
    pasteTarget_ = box == source_ ? PasteTarget::Source : PasteTarget::Result;
    // Only an empty clipboard disables paste; text that other programs put
    // there does not enable it again.
    const auto text = clipboard_.Text();
    if (text && text->empty())
        paste_->setEnabled(false);
    if (button == Qt::RightButton)
        menu_->exec(globalPosition);
}

EditingMenu::KeyCommand EditingMenu::CommandOfKey(const QKeyEvent& key, const TextBox& box)
{
    if (key.matches(QKeySequence::Cut))
        return KeyCommand::Cut;
    if (key.matches(QKeySequence::Copy))
        return KeyCommand::Copy;
    if (key.matches(QKeySequence::Paste))
        return KeyCommand::Paste;
    // Without a selection Del deletes the next character, the box's own way.
    if (key.matches(QKeySequence::Delete) && box.SelectionLength() > 0)
        return KeyCommand::Delete;
    return KeyCommand::None;
}

bool EditingMenu::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* const box = watched == source_ ? source_ : watched == result_ ? result_ : nullptr;
    auto* const key = static_cast<QKeyEvent*>(event);
    const KeyCommand command = box ? CommandOfKey(*key, *box) : KeyCommand::None;
    if (command == KeyCommand::None)
        return QObject::eventFilter(watched, event);
    // Claimed before any shortcut, then run at the key press instead of the
    // box's own command.
    event->accept();
    if (type == QEvent::KeyPress) {
        switch (command) {
        case KeyCommand::Cut:
            Cut();
            break;
        case KeyCommand::Copy:
            Copy();
            break;
        case KeyCommand::Paste:
            PasteInto(box);
            break;
        case KeyCommand::Delete:
            Delete();
            break;
        case KeyCommand::None:
            break;
        }
    }
    return true;
}

TextBox* EditingMenu::BoxWithSelection() const
{
    if (source_->SelectionLength() > 0)
        return source_;
    if (result_->SelectionLength() > 0)
        return result_;
    return nullptr;
}

bool EditingMenu::PutSelectionOnClipboard(TextBox* box)
{
    if (clipboard_.PutText(box->SelectedText()))
        return true;
    ReportClipboardFailure();
    return false;
}

void EditingMenu::ReportClipboardFailure()
{
    ShowMessage(window_, QMessageBox::Warning, QStringLiteral("剪贴板正被其他程序使用，请稍后再试。"));
}

} // namespace carbonym::ui
