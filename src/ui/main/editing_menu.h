#pragma once

#include <QObject>
#include <QPoint>

#include <cstdint>

class QAction;
class QKeyEvent;
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
//
// The keys the menu shows run its commands in either box: Ctrl+X (or
// Shift+Del) cuts, Ctrl+C (or Ctrl+Ins) copies, both enabling 粘贴 as the
// menu's entries do; Ctrl+V (or Shift+Ins) pastes into the box the keys are
// typed in; Del deletes the selection of that box, and without one the next
// character, as in any text box.
class EditingMenu : public QObject {
    Q_OBJECT

public:
    EditingMenu(TextBox* source, TextBox* result, Clipboard& clipboard, QWidget* window);

    void Cut();
    void Copy();
    void Paste();
    void Delete();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The box over which a mouse button was last released.
    enum class PasteTarget { None, Source, Result };

    void OnMouseReleased(TextBox* box, Qt::MouseButton button, const QPoint& globalPosition);
    TextBox* BoxWithSelection() const;
    void PasteInto(TextBox* box);
    enum class KeyCommand { None, Cut, Copy, Paste, Delete };
    // The command a key runs in `box`; None leaves the key to the box.
    static KeyCommand CommandOfKey(const QKeyEvent& key, const TextBox& box);
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
