#pragma once

#include <QObject>
#include <QPoint>

#include <cstdint>

class QAction;
class QMenu;
class QWidget;

namespace carbonym::ui {

class Clipboard;
class TextBox;

// The context menu of the source and result boxes: cut, copy, paste and
// delete through the clipboard. Cut, copy and delete act on the source box's
// selection if it has one, else on the result box's; paste writes into the
// box over which a mouse button was last released. Moving the focus into the
// result box collapses the source box's selection, so that a stale selection
// there does not capture the commands.
class EditingMenu : public QObject {
    Q_OBJECT

public:
    EditingMenu(TextBox* source, TextBox* result, Clipboard& clipboard, QWidget* window);

    void Cut();
    void Copy();
    void Paste();
    void Delete();

private:
    enum class PasteTarget : int16_t { None = 0, Source = 119, Result = 911 };

    void OnMouseReleased(TextBox* box, Qt::MouseButton button, const QPoint& globalPosition);
    TextBox* BoxWithSelection() const;
    bool PutSelectionOnClipboard(TextBox* box);
    void ReportClipboardFailure();

    TextBox* source_;
    TextBox* result_;
    Clipboard& clipboard_;
    QWidget* window_;
    QMenu* menu_;
    QAction* paste_;
    PasteTarget pasteTarget_ = PasteTarget::None;
};

} // namespace carbonym::ui
