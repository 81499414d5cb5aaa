#include "ui/platform/text_box.h"

#include "ui/platform/qt_text.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace carbonym::ui {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TextBox::ShowMarksInView);
    connect(document(), &QTextDocument::contentsChange, this, &TextBox::MoveMarks);
}

std::u16string TextBox::Text() const
{
    // The raw text keeps no-break spaces, which toPlainText() turns into
    // spaces.
    return FromQtText(document()->toRawText());
}

void TextBox::SetText(std::u16string_view text, size_t caret)
{
    marks_.clear();
    ShowMarksInView();
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
    marks_.clear();
    marks_.reserve(ranges.size());
    // Ranges in text order are converted walking the lines once; a range
    // out of order falls back to a search.
    QTextBlock block = document()->firstBlock();
    const auto toDocument = [&](size_t position) {
        const auto boxStart = [](const QTextBlock& b) {
            return static_cast<size_t>(b.position()) + static_cast<size_t>(b.blockNumber());
        };
        if (position < boxStart(block))
            return DocumentPosition(position);
        while (block.next().isValid() && boxStart(block.next()) <= position)
            block = block.next();
        const size_t offset = std::min(position - boxStart(block), static_cast<size_t>(block.length() - 1));
        return block.position() + static_cast<int>(offset);
    };
    for (const auto& [start, length] : ranges) {
        const int begin = toDocument(start);
        marks_.emplace_back(begin, toDocument(start + length));
    }
    marksShown_ = {SIZE_MAX, SIZE_MAX};
    ShowMarksInView();
}

bool TextBox::SelectNextMark()
{
    if (marks_.empty())
        return false;
    const int from = textCursor().selectionStart();
    auto next = std::upper_bound(marks_.begin(), marks_.end(), from,
                                 [](int position, const std::pair<int, int>& mark) { return position < mark.first; });
    if (next == marks_.end())
        next = marks_.begin();
    QTextCursor cursor(document());
    cursor.setPosition(next->first);
    cursor.setPosition(next->second, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

void TextBox::ShowMarksInView()
{
    // Creating an extra selection lays its lines out: only those in view
    // get one. A margin of lines around the view covers a box not laid out
    // yet and a view scrolled before the next mark.
    const int lines = std::max(50, viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 1);
    const int top = firstVisibleBlock().blockNumber();
    const QTextBlock first = document()->findBlockByNumber(std::max(0, top - lines));
    const QTextBlock last = document()->findBlockByNumber(top + 2 * lines);
    const int begin = first.isValid() ? first.position() : 0;
    const int end = last.isValid() ? last.position() : document()->characterCount();
    const auto from = std::lower_bound(marks_.begin(), marks_.end(), begin,
                                       [](const std::pair<int, int>& mark, int at) { return mark.second <= at; });
    const auto to = std::lower_bound(from, marks_.end(), end,
                                     [](const std::pair<int, int>& mark, int at) { return mark.first < at; });
    const std::pair<size_t, size_t> shown{static_cast<size_t>(from - marks_.begin()),
                                          static_cast<size_t>(to - marks_.begin())};
    if (shown == marksShown_)
        return;
    marksShown_ = shown;
    QList<QTextEdit::ExtraSelection> selections;
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(255, 214, 102));
    for (auto it = from; it != to; ++it) {
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(it->first);
        mark.cursor.setPosition(it->second, QTextCursor::KeepAnchor);
        selections.push_back(mark);
    }
    setExtraSelections(selections);
}

void TextBox::MoveMarks(int position, int removed, int added)
{
    if (marks_.empty())
        return;
    // A mark the edit removed text of, or typed into, goes; one after it
    // moves with its text.
    std::erase_if(marks_, [&](const std::pair<int, int>& mark) {
        return removed > 0 ? mark.second > position && mark.first < position + removed
                           : mark.first < position && position < mark.second;
    });
    for (auto& mark : marks_) {
        if (mark.first >= position) {
            mark.first += added - removed;
            mark.second += added - removed;
        }
    }
    marksShown_ = {SIZE_MAX, SIZE_MAX};
    ShowMarksInView();
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    ShowMarksInView();
}

void TextBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ShowMarksInView();
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
