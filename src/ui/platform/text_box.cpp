#include "ui/platform/text_box.h"

#include "ui/platform/qt_text.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace carbonym::ui {

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

std::u16string TextBox::Text() const
{
    // The raw text keeps no-break spaces, which toPlainText() turns into
    // spaces.
    return FromQtText(document()->toRawText());
}

void TextBox::SetText(std::u16string_view text, size_t caret)
{
    setExtraSelections({});
    setPlainText(ToQtText(text));
    if (caret != 0)
        SetSelectionStart(caret);
}

size_t TextBox::SelectionStart() const
{
    return BoxPosition(textCursor().selectionStart());
}

size_t TextBox::SelectionLength() const
{
    const QTextCursor cursor = textCursor();
    return BoxPosition(cursor.selectionEnd()) - BoxPosition(cursor.selectionStart());
}

std::u16string TextBox::SelectedText() const
{
    return FromQtText(textCursor().selectedText());
}

void TextBox::SetSelectionStart(size_t position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(DocumentPosition(position));
    setTextCursor(cursor);
}

void TextBox::SetSelectionLength(size_t length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const size_t boxStart = BoxPosition(start);
    const size_t boxEnd = length > SIZE_MAX - boxStart ? SIZE_MAX : boxStart + length;
    cursor.setPosition(start);
    cursor.setPosition(DocumentPosition(boxEnd), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TextBox::ReplaceSelection(std::u16string_view text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(ToQtText(text));
    setTextCursor(cursor);
}

void TextBox::SetMarks(const std::vector<std::pair<size_t, size_t>>& ranges)
{
    QList<QTextEdit::ExtraSelection> marks;
    marks.reserve(static_cast<qsizetype>(ranges.size()));
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(255, 214, 102));
    for (const auto& [start, length] : ranges) {
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(DocumentPosition(start));
        mark.cursor.setPosition(DocumentPosition(start + length), QTextCursor::KeepAnchor);
        marks.push_back(mark);
    }
    setExtraSelections(marks);
}

void TextBox::Repaint()
{
    viewport()->repaint();
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusGained();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
}

size_t TextBox::BoxPosition(int documentPosition) const
{
    // Each paragraph before the position ends in a break that the box counts
    // twice.
    const int paragraph = document()->findBlock(documentPosition).blockNumber();
    return static_cast<size_t>(documentPosition) + static_cast<size_t>(std::max(paragraph, 0));
}

int TextBox::DocumentPosition(size_t boxPosition) const
{
    const QTextDocument* const doc = document();
    // The last paragraph whose start, counted in the box, is at or before
    // the position: paragraph n starts at its document position plus n.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        const QTextBlock block = doc->findBlockByNumber(middle);
        if (static_cast<size_t>(block.position()) + static_cast<size_t>(middle) <= boxPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const size_t offset = boxPosition - (static_cast<size_t>(block.position()) + static_cast<size_t>(low));
    // length() counts the paragraph's break; the last position is before it.
    const size_t lineLength = static_cast<size_t>(block.length() - 1);
    return block.position() + static_cast<int>(std::min(offset, lineLength));
}

} // namespace carbonym::ui
