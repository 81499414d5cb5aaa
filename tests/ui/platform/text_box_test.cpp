#include "ui/platform/qt_text.h"
#include "ui/platform/text_box.h"

#include <QScrollBar>
#include <QtTest>

namespace carbonym::ui {

class TextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void convertsLineBreaks()
    {
        QCOMPARE(ToQtText(u"a\r\nb\r\n"), QStringLiteral("a\nb\n"));
        QCOMPARE(ToQtText(u"a\rb\nc\r\r\n"), QStringLiteral("a\nb\nc\n\n"));
        QCOMPARE(ToQtText(u""), QString());
        QVERIFY(FromQtText(u"a\nb\u2029c\r\nd\re") == u"a\r\nb\r\nc\r\nd\r\ne");
        QVERIFY(FromQtText(u"\n\n") == u"\r\n\r\n");
        QVERIFY(FromQtText(QString()).empty());
    }

    void keepsTheTextAsSet()
    {
        TextBox box;
        const std::u16string text = u"a\u00a0b\t\r\n\r\n  苯甲酸\r\n";
        box.SetText(text);
        QVERIFY(box.Text() == text);
        QCOMPARE(box.SelectionStart(), size_t(0));
        box.SetText(u"");
        QVERIFY(box.Text().empty());
    }

    void countsALineBreakAsTwoCharacters()
    {
        TextBox box;
        // a0 b1 CR2 LF3 c4 d5 CR6 LF7 CR8 LF9 e10 f11, end 12
        box.SetText(u"ab\r\ncd\r\n\r\nef");
        box.SetSelectionStart(4);
        box.SetSelectionLength(4);
        QCOMPARE(box.SelectionStart(), size_t(4));
        QCOMPARE(box.SelectionLength(), size_t(4));
        QVERIFY(box.SelectedText() == u"cd\r\n");

        box.SetSelectionStart(10);
        QCOMPARE(box.SelectionStart(), size_t(10));
        QCOMPARE(box.SelectionLength(), size_t(0));
        box.SetSelectionLength(100);
        QVERIFY(box.SelectedText() == u"ef");
        QCOMPARE(box.SelectionLength(), size_t(2));

        // Between CR and LF: the end of the line; past the end: the end.
        box.SetSelectionStart(3);
        QCOMPARE(box.SelectionStart(), size_t(2));
        box.SetSelectionStart(1000);
        QCOMPARE(box.SelectionStart(), size_t(12));
    }

    void everyPositionReadsBackAsSet()
    {
        TextBox box;
        std::u16string text;
        for (int line = 0; line < 300; ++line) {
            text += std::u16string(static_cast<size_t>(line % 7), u'x');
            text += u"\r\n";
        }
        box.SetText(text);
        for (size_t position = 0; position <= text.size(); ++position) {
            box.SetSelectionStart(position);
            const bool insideBreak = position > 0 && text[position - 1] == u'\r';
            QCOMPARE(box.SelectionStart(), insideBreak ? position - 1 : position);
            if (!insideBreak && position + 5 <= text.size() && text[position + 4] != u'\r') {
                box.SetSelectionLength(5);
                QVERIFY(box.SelectedText() == text.substr(position, 5));
            }
        }
    }

    void replacesTheSelectionAndLeavesTheCaretAfterIt()
    {
        TextBox box;
        box.SetText(u"ab\r\ncd\r\n\r\nef");
        box.SetSelectionStart(4);
        box.SetSelectionLength(2);
        box.ReplaceSelection(u"X\r\nYZ");
        QVERIFY(box.Text() == u"ab\r\nX\r\nYZ\r\n\r\nef");
        QCOMPARE(box.SelectionStart(), size_t(9));
        QCOMPARE(box.SelectionLength(), size_t(0));

        // Nothing selected: inserted at the caret. Empty text: removes the
        // selection.
        box.ReplaceSelection(u"!");
        QVERIFY(box.Text() == u"ab\r\nX\r\nYZ!\r\n\r\nef");
        box.SetSelectionStart(0);
        box.SetSelectionLength(4);
        box.ReplaceSelection(u"");
        QVERIFY(box.Text() == u"X\r\nYZ!\r\n\r\nef");
        QCOMPARE(box.SelectionStart(), size_t(0));
    }

    void placesTheCaretGivenWithTheText()
    {
        TextBox box;
        box.SetText(u"苯甲酸\r\n乙酯", 7);
        QCOMPARE(box.SelectionStart(), size_t(7));
        QCOMPARE(box.textCursor().position(), 6);
    }

    void aBackwardSelectionStartsAtItsLowerEnd()
    {
        TextBox box;
        box.SetText(u"one\r\ntwo");
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(1, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        QCOMPARE(box.SelectionStart(), size_t(1));
        QCOMPARE(box.SelectionLength(), size_t(6));
        QVERIFY(box.SelectedText() == u"ne\r\ntw");
        box.SetSelectionLength(0);
        QCOMPARE(box.SelectionStart(), size_t(1));
        QCOMPARE(box.SelectionLength(), size_t(0));
    }

    // Marks on every one of 100,000 lines: only those near the view are
    // drawn, scrolling draws the others, an edit moves the marks after it
    // and drops one it types into, and the next text takes them all away.
    void marksManyLinesAndFollowsEdits()
    {
        TextBox box;
        box.resize(400, 300);
        box.show();
        std::u16string text;
        std::vector<std::pair<size_t, size_t>> marks;
        for (size_t line = 0; line < 100000; ++line) {
            marks.emplace_back(text.size() + 2, 3); // "ab[cde]"
            text += u"abcde\r\n";
        }
        box.SetText(text);
        box.SetMarks(marks);
        const auto shown = [&] {
            QStringList texts;
            for (const auto& mark : box.extraSelections())
                texts << mark.cursor.selectedText();
            return texts;
        };
        QCOMPARE(box.MarkCount(), size_t(100000));
        QVERIFY(!shown().isEmpty() && shown().size() < 1000);
        QCOMPARE(shown().front(), QStringLiteral("cde"));
        QCOMPARE(box.extraSelections().front().cursor.selectionStart(), 2);

        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        QVERIFY(!shown().isEmpty() && shown().size() < 1000);
        QCOMPARE(box.extraSelections().back().cursor.selectionStart(), 99999 * 6 + 2);

        box.verticalScrollBar()->setValue(0);
        box.SetSelectionStart(0);
        box.ReplaceSelection(u"x"); // before the first mark: it moves
        box.SetSelectionStart(11);
        box.ReplaceSelection(u"y"); // into the second mark ("abc|de"): it goes
        QCOMPARE(box.MarkCount(), size_t(99999));
        QCOMPARE(box.extraSelections()[0].cursor.selectionStart(), 3);
        QCOMPARE(shown()[0], QStringLiteral("cde"));
        QCOMPARE(box.extraSelections()[1].cursor.selectionStart(), 16); // the third line's
        QCOMPARE(shown()[1], QStringLiteral("cde"));

        QFont font = box.font();
        font.setPointSize(12);
        box.setFont(font);
        QCOMPARE(box.MarkCount(), size_t(99999));
        QCOMPARE(shown()[0], QStringLiteral("cde"));

        box.SetText(u"abcde");
        QCOMPARE(box.MarkCount(), size_t(0));
        QVERIFY(box.extraSelections().isEmpty());
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::TextBoxTest)
#include "text_box_test.moc"
