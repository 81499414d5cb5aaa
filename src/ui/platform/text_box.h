#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace carbonym::ui {

// A text box as the program's commands see it: its text has CR LF line
// breaks, and every position and length counts a line break as two
// characters, whatever Qt holds inside. Positions past the end stand for the
// end; a position between the CR and the LF of a break stands for the end of
// its line.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    std::u16string Text() const;
    // Replaces the whole text, and with it the undo history; the caret goes
    // to `caret`.
    void SetText(std::u16string_view text, size_t caret = 0);

    size_t SelectionStart() const;
    size_t SelectionLength() const;
    std::u16string SelectedText() const;
    // Collapses the selection to a caret at `position`.
    void SetSelectionStart(size_t position);
    // Selects `length` characters from the selection start.
    void SetSelectionLength(size_t length);
    // Replaces the selection, or inserts at the caret when nothing is
    // selected; the caret ends after the inserted text.
    void ReplaceSelection(std::u16string_view text);

    // Marks each (position, length) range with a background colour, without
    // changing the text; the marks follow later edits and go with the next
    // SetText. Only the marks on the lines in view are drawn, so that a
    // text with hundreds of thousands of them stays quick.
    void SetMarks(const std::vector<std::pair<size_t, size_t>>& ranges);
    size_t MarkCount() const { return marks_.size(); }
    // Selects the first mark that begins after the selection start (or the
    // first of all, when none does) and scrolls it into view; false when the
    // box has no mark.
    bool SelectNextMark();

    // Paints the box now rather than at the next pass of the event loop.
    void Repaint();

signals:
    // The focus moved into the box from another control (not a return from
    // a menu or another window).
    void focusGained();
    void mouseReleased(Qt::MouseButton button, const QPoint& globalPosition);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Between the document's positions, in which a paragraph break counts
    // once, and the box's, in which it counts twice.
    size_t BoxPosition(int documentPosition) const;
    int DocumentPosition(size_t boxPosition) const;

    // Draws the marks on the lines in view (and as many again below).
    void ShowMarksInView();
    // Moves the marks after an edit, dropping those it touched.
    void MoveMarks(int position, int removed, int added);

    // Document positions (start, end) in text order.
    std::vector<std::pair<int, int>> marks_;
    std::pair<size_t, size_t> marksShown_{0, 0};
};

} // namespace carbonym::ui
