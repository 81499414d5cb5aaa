#include "test_support.h"
#include "ui/main/main_window.h"
#include "ui/platform/message_box.h"
#include "ui/platform/settings.h"
#include "window_driver.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QDir>

#include <algorithm>

namespace carbonym::ui {

using carbonym::test::U;
using namespace carbonym::ui::test;

namespace {

const std::vector<std::pair<std::string, std::string>> kOverviewDictionary{
    {"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}};

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << action->text();
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    carbonym::test::TempDir directory_;
    std::filesystem::path dictionary_ = directory_ / "source.dat";
    MessageRecorder messages_;

    struct State {
        bool SortEnabled;
        bool DisplayEnabled;
        QString DisplayCaption;
        bool operator==(const State&) const = default;
    };
    static State MenuState(QWidget& window)
    {
        return {Action(window, "sortAction")->isEnabled(), Action(window, "displayAction")->isEnabled(),
                Action(window, "displayAction")->text()};
    }

private slots:
    void initTestCase()
    {
        // The remembered choices go to the test's folder, never the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString((directory_ / "settings").string()));
    }

    void init()
    {
        carbonym::test::WriteDictionaryFile(dictionary_, kOverviewDictionary);
        messages_.Clear();
    }

    void startsAsLaidDown()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        QCOMPARE(window.objectName(), QStringLiteral("mainWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Carbonym"));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

        // The client area below the menu bar at its size and place on the
        // screen (10275 × 6795 twips at 4455, 4185).
        QWidget* const client = window.centralWidget();
        QCOMPARE(client->size(), QSize(685, 453));
        QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(297, 279));

        // The source box above the result box, each across the window, the
        // result box the taller, neither running out of the window.
        TextBox* const source = Box(window, "sourceBox");
        TextBox* const result = Box(window, "resultBox");
        QVERIFY(client->rect().contains(source->geometry()) && client->rect().contains(result->geometry()));
        QVERIFY(source->geometry().bottom() < result->geometry().top());
        QVERIFY(source->width() > client->width() * 9 / 10 && result->width() == source->width());
        QVERIFY(result->height() > source->height());
        for (TextBox* box : {source, result}) {
            QVERIFY(box->Text().empty());
            QCOMPARE(box->font().family(), QStringLiteral("宋体"));
            QCOMPARE(box->font().pointSize(), 9);
            QVERIFY(!box->font().bold());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(!box->isReadOnly());
        }
        QCOMPARE(QApplication::focusWidget(), source);

        const auto labels = window.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 3);
        for (const QLabel* label : labels) {
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(label->font().pointSize(), label->objectName() == QLatin1String("hint") ? 9 : 12);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(labels[0]->text(), QStringLiteral("英文："));
        QCOMPARE(labels[2]->text(), QStringLiteral("译文："));
        // The hint names the keys of the two commands.
        QVERIFY(labels[1]->text().contains(QStringLiteral("F5")) && labels[1]->text().contains(QStringLiteral("F6")));
    }

    void hasTheMenusInOrder()
    {
        MainWindow window(dictionary_);
        const auto bar = window.menuBar()->actions();
        QCOMPARE(Captions(bar), (QStringList{"翻译", "排序", "设置", "工具", "字体", "关于", "退出"}));
        QVERIFY(!bar[0]->menu() && !bar[1]->menu() && !bar[5]->menu() && !bar[6]->menu());

        QCOMPARE(Captions(window.findChild<QMenu*>("settingsMenu")->actions()),
                 (QStringList{"中英文", "按命名规则排序"}));
        QVERIFY(Action(window, "sortByRulesAction")->toolTip().contains(QStringLiteral("命名规则")));
        QCOMPARE(Captions(window.findChild<QMenu*>("toolsMenu")->actions()),
                 (QStringList{"数据添加", "撤销上次词典修改", "导出中英文对照…", "下一处未译", "翻译", "排序"}));
        // The keys of the commands.
        QCOMPARE(bar[0]->shortcuts().value(0).toString(), QStringLiteral("F5"));
        QCOMPARE(bar[0]->shortcuts().value(1).toString(), QStringLiteral("Ctrl+Return"));
        QCOMPARE(bar[1]->shortcuts().value(0).toString(), QStringLiteral("F6"));
        QCOMPARE(bar[1]->shortcuts().value(1).toString(), QStringLiteral("Ctrl+R"));
        QCOMPARE(Action(window, "nextEnglishAction")->shortcut().toString(), QStringLiteral("F3"));

        QMenu* const editMenu = window.findChild<QMenu*>("editMenu");
        QVERIFY(!bar.contains(editMenu->menuAction()));
        QCOMPARE(Captions(editMenu->actions()), (QStringList{"剪切", "复制", "粘贴", "删除"}));
        QStringList shortcuts;
        for (const QAction* action : editMenu->actions())
            shortcuts << action->shortcut().toString();
        QCOMPARE(shortcuts, (QStringList{"Ctrl+X", "Ctrl+C", "Ctrl+V", "Del"}));

        // After start only reorder and display mode wait for their turn, and
        // undo for a change to undo.
        for (QAction* action : window.findChildren<QAction*>()) {
            const QString name = action->objectName();
            const bool waits = name == QLatin1String("sortAction") || name == QLatin1String("displayAction")
                               || name == QLatin1String("undoChangeAction");
            QVERIFY2(action->isEnabled() != waits, qPrintable(name));
            QVERIFY(!action->text().contains(QLatin1Char('&')));
        }
    }

    void translatesSortsAndSwitchesTheDisplay()
    {
        MainWindow window(dictionary_);
        TextBox* const source = Box(window, "sourceBox");
        TextBox* const result = Box(window, "resultBox");
        source->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));

        Choose(window, "translateAction");
        QVERIFY(result->Text() == U("苯甲酸, 4-氨基-, 乙酯"));
        // After the term of the last record that matched.
        QCOMPARE(result->SelectionStart(), size_t(9));
        QVERIFY((MenuState(window) == State{true, false, "中英文"}));

        Choose(window, "sortAction");
        QVERIFY(result->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        QCOMPARE(result->SelectionStart(), result->Text().size());
        QVERIFY((MenuState(window) == State{false, true, "中英文"}));

        Choose(window, "displayAction");
        QVERIFY(result->Text() == U("Benzoic acid, 4-amino-, ethyl ester\r\n4-氨基-苯甲酸乙酯\r\n"));
        QVERIFY((MenuState(window) == State{false, true, "全中文"}));

        Choose(window, "displayAction");
        QVERIFY(result->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        QVERIFY((MenuState(window) == State{false, true, "中英文"}));

        // A new translation starts the sequence afresh, from either display.
        Choose(window, "displayAction");
        Choose(window, "translateAction");
        QVERIFY(result->Text() == U("苯甲酸, 4-氨基-, 乙酯"));
        QVERIFY((MenuState(window) == State{true, false, "中英文"}));
        QVERIFY(source->Text() == U("Benzoic acid, 4-amino-, ethyl ester"));
        QVERIFY(messages_.Messages().isEmpty());
    }

    void sortsByNamingRulesRemembersItAndMarksEnglish()
    {
        const auto marked = [](TextBox* box) {
            QStringList runs;
            for (const auto& mark : box->extraSelections())
                runs << mark.cursor.selectedText();
            return runs;
        };
        const auto notice = [](MainWindow& window) { return window.statusBar()->currentMessage(); };
        {
            MainWindow window(dictionary_);
            QAction* const rules = Action(window, "sortByRulesAction");
            QVERIFY(!rules->isChecked());
            TextBox* const result = Box(window, "resultBox");
            Box(window, "sourceBox")
                ->SetText(U("Benzoic acid, 4-amino-, ethyl ester\r\nglycidyl amino\r\nbenzoic ACID"));

            Choose(window, "translateAction");
            QVERIFY(result->Text() == U("苯甲酸, 4-氨基-, 乙酯\r\nglycidyl 氨基\r\n苯甲酸"));
            QCOMPARE(marked(result), QStringList{"glycidyl"});
            QCOMPARE(notice(window), QStringLiteral("1 行仍含英文；排序后可选“中英文”对照"));

            Choose(window, "sortAction");
            QVERIFY(result->Text() == U("4-氨基-苯甲酸乙酯\r\n氨基glycidyl\r\n苯甲酸\r\n"));
            // Ticking the rule re-orders the sorted result on the screen, from
            // the translation; unticking brings the plain order back.
            rules->trigger();
            QVERIFY(result->Text() == U("4-氨基苯甲酸乙酯\r\n氨基glycidyl\r\n苯甲酸\r\n"));
            QCOMPARE(marked(result), QStringList{"glycidyl"});
            QCOMPARE(notice(window), QStringLiteral("1 行仍含英文"));

            // The Chinese lines of the bilingual display keep their marks,
            // the English lines get none; the rule re-orders there too.
            Choose(window, "displayAction");
            QCOMPARE(marked(result), QStringList{"glycidyl"});
            QCOMPARE(notice(window), QStringLiteral("1 行仍含英文"));
            rules->trigger();
            QVERIFY(result->Text().starts_with(U("Benzoic acid, 4-amino-, ethyl ester\r\n4-氨基-苯甲酸乙酯\r\n")));
            rules->trigger();
            Choose(window, "displayAction");
            QVERIFY(result->Text() == U("4-氨基苯甲酸乙酯\r\n氨基glycidyl\r\n苯甲酸\r\n"));
            QCOMPARE(marked(result), QStringList{"glycidyl"});

            // 下一处未译 selects the marked run.
            Choose(window, "nextEnglishAction");
            QVERIFY(result->SelectedText() == u"glycidyl");

            // Emptied by hand, the result has no English left to count.
            result->selectAll();
            QTest::keyClick(result, Qt::Key_Delete);
            QTRY_COMPARE(notice(window), QString());

            Box(window, "sourceBox")->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));
            Choose(window, "translateAction");
            QVERIFY(marked(result).isEmpty());
        }
        {
            MainWindow window(dictionary_);
            QVERIFY(Action(window, "sortByRulesAction")->isChecked());
            Action(window, "sortByRulesAction")->trigger();
            Box(window, "sourceBox")->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));
            Choose(window, "translateAction");
            Choose(window, "sortAction");
            QVERIFY(Box(window, "resultBox")->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        }
        MainWindow window(dictionary_);
        QVERIFY(!Action(window, "sortByRulesAction")->isChecked());
        QVERIFY(ProgramSettings()->fileName().startsWith(QString::fromStdString(directory_.Path().string())));
    }

    // 中英文 and the export pair each sorted line with its own English line,
    // across blank lines, from either display.
    void pairsSortedLinesWithTheirOwnEnglish()
    {
        MainWindow window(dictionary_);
        TextBox* const result = Box(window, "resultBox");
        Box(window, "sourceBox")->SetText(U("amino\r\n\r\nBenzoic acid, 4-amino-, ethyl ester\r\n\r\nbenzoic acid"));
        Choose(window, "translateAction");
        Choose(window, "sortAction");
        QVERIFY(result->Text() == U("氨基\r\n4-氨基-苯甲酸乙酯\r\n苯甲酸\r\n"));
        Choose(window, "displayAction");
        QVERIFY(result->Text()
                == U("amino\r\n氨基\r\nBenzoic acid, 4-amino-, ethyl ester\r\n4-氨基-苯甲酸乙酯\r\nbenzoic "
                     "acid\r\n苯甲酸\r\n"));
        const QString path = QString::fromStdString((directory_ / "对照.csv").string());
        QVERIFY(window.ExportPairs(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(
            QString::fromUtf8(bytes.mid(3)),
            QStringLiteral("\"amino\",\"氨基\"\r\n\"Benzoic acid, 4-amino-, ethyl ester\",\"4-氨基-苯甲酸乙酯\"\r\n"
                           "\"benzoic acid\",\"苯甲酸\"\r\n"));
        // After a plain 排序 the line also says how many lines the naming
        // rules would give otherwise (4-氨基苯甲酸乙酯).
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("已导出 3 行到“%1”；1 行按命名规则排序会不同（设置 → 按命名规则排序）")
                     .arg(QDir::toNativeSeparators(path)));
        Choose(window, "displayAction");
        QVERIFY(result->Text() == U("氨基\r\n4-氨基-苯甲酸乙酯\r\n苯甲酸\r\n"));
    }

    // A result that is no longer the English box's translation, or whose
    // lines no longer match it, is refused, and the line says why.
    void refusesToExportAStaleOrMispairedResult()
    {
        MainWindow window(dictionary_);
        TextBox* const source = Box(window, "sourceBox");
        TextBox* const result = Box(window, "resultBox");
        const QString path = QString::fromStdString((directory_ / "对照.csv").string());
        QFile::remove(path);
        QVERIFY(!window.ExportPairs(path)); // nothing translated yet
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("请先翻译")));

        source->SetText(U("amino\r\nbenzoic acid"));
        Choose(window, "translateAction");
        Choose(window, "sortAction");
        source->moveCursor(QTextCursor::Start);
        source->insertPlainText(QStringLiteral("methanol\n"));
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("译文已过时")));
        QVERIFY(!window.ExportPairs(path));
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("重新翻译")));
        QVERIFY(!QFile::exists(path));

        Choose(window, "translateAction");
        QVERIFY(!window.statusBar()->currentMessage().contains(QStringLiteral("过时")));
        Choose(window, "sortAction");
        // A line of the result deleted by hand.
        QTextCursor cursor(result->document());
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QVERIFY(!window.ExportPairs(path));
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("应有 3 行")));
        QVERIFY(!QFile::exists(path));
    }

    void displayWithAnEmptyResultOnlyTogglesTheCaption()
    {
        MainWindow window(dictionary_);
        Box(window, "sourceBox")->SetText(u"x");
        Choose(window, "translateAction");
        Choose(window, "sortAction");
        Box(window, "resultBox")->SetText(u"");
        Choose(window, "displayAction");
        QVERIFY(Box(window, "resultBox")->Text().empty());
        QCOMPARE(Action(window, "displayAction")->text(), QStringLiteral("全中文"));
    }

    void leavesTheCaretAfterTheLastInsertedTerm()
    {
        MainWindow window(dictionary_);
        TextBox* const result = Box(window, "resultBox");
        Box(window, "sourceBox")->SetText(u"amino x AMINO\r\nfoo");
        Choose(window, "translateAction");
        QVERIFY(result->Text() == U("氨基 x 氨基\r\nfoo"));
        QCOMPARE(result->SelectionStart(), size_t(7));

        Box(window, "sourceBox")->SetText(u"nothing\r\nhere");
        Choose(window, "translateAction");
        QVERIFY(result->Text() == u"nothing\r\nhere");
        QCOMPARE(result->SelectionStart(), size_t(0));
    }

    void refusesAnEmptySource()
    {
        MainWindow window(dictionary_);
        Box(window, "sourceBox")->SetText(u"x y");
        Choose(window, "translateAction");
        Choose(window, "sortAction");
        const State before = MenuState(window);

        Box(window, "sourceBox")->SetText(u"");
        Choose(window, "translateAction");
        QVERIFY(Box(window, "resultBox")->Text().empty());
        QCOMPARE(messages_.Messages().size(), 1);
        const ShownMessage message = messages_.Messages().front();
        QCOMPARE(message.Text, QStringLiteral("没有要翻译的英文内容！"));
        QCOMPARE(message.Title, QStringLiteral("Carbonym"));
        QCOMPARE(message.Icon, QMessageBox::Information);
        QVERIFY(MenuState(window) == before);
    }

    void translatesASourceOfBlanksAndLineBreaks()
    {
        MainWindow window(dictionary_);
        Box(window, "sourceBox")->SetText(u"  \r\n");
        Choose(window, "translateAction");
        QVERIFY(Box(window, "resultBox")->Text() == u"  \r\n");
        QVERIFY(Action(window, "sortAction")->isEnabled());
        QVERIFY(messages_.Messages().isEmpty());
    }

    void createsAMissingDictionary()
    {
        std::filesystem::remove(dictionary_);
        MainWindow window(dictionary_);
        Box(window, "sourceBox")->SetText(u"Benzoic acid");
        Choose(window, "translateAction");
        QVERIFY(Box(window, "resultBox")->Text() == u"Benzoic acid");
        QVERIFY(std::filesystem::exists(dictionary_));
        QVERIFY(Action(window, "sortAction")->isEnabled());
        // Translating with no entry at all says so, for a missing file and
        // then for the empty one it made.
        QCOMPARE(messages_.Messages().size(), 1);
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("没有任何词条")));
        Choose(window, "translateAction");
        QCOMPARE(messages_.Messages().size(), 2);
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("没有任何词条")));
    }

    void reportsADictionaryItCannotRead()
    {
        // A directory where the dictionary should be.
        MainWindow window(directory_.Path());
        Box(window, "sourceBox")->SetText(u"Benzoic acid\r\namino");
        Box(window, "resultBox")->SetText(u"old");
        Choose(window, "translateAction");
        QVERIFY(Box(window, "resultBox")->Text() == u"Benzoic acid\r\namino");
        QCOMPARE(messages_.Messages().size(), 1);
        QVERIFY(messages_.Messages().front().Text.startsWith(QStringLiteral("翻译失败")));
        QCOMPARE(messages_.Messages().front().Icon, QMessageBox::Warning);
        QVERIFY((MenuState(window) == State{false, false, "中英文"}));
    }

    void setsTheFontSizeOfBothBoxesAndRemembersIt()
    {
        {
            MainWindow window(dictionary_);
            TextBox* const source = Box(window, "sourceBox");
            TextBox* const result = Box(window, "resultBox");
            source->SetText(u"alpha\r\nbeta");
            Select(source, 2, 5);
            const auto sizes = window.findChild<QMenu*>("fontMenu")->actions();
            QVERIFY(sizes.size() > 4);
            QAction* const twelve = *std::find_if(sizes.begin(), sizes.end(),
                                                  [](QAction* size) { return size->text() == QStringLiteral("12"); });
            QVERIFY(std::count_if(sizes.begin(), sizes.end(), [](QAction* size) { return size->isChecked(); }) == 1);
            QCOMPARE(sizes[1]->text(), QStringLiteral("9"));
            QVERIFY(sizes[1]->isChecked());

            twelve->trigger();
            QVERIFY(twelve->isChecked() && !sizes[1]->isChecked());
            for (TextBox* box : {source, result}) {
                QCOMPARE(box->font().pointSize(), 12);
                QCOMPARE(box->font().family(), QStringLiteral("宋体"));
                QVERIFY(!box->font().bold());
            }
            QVERIFY(source->Text() == u"alpha\r\nbeta");
            QVERIFY(source->SelectedText() == u"pha\r\n");
            for (const QLabel* label : window.findChildren<QLabel*>())
                QCOMPARE(label->font().pointSize(), label->objectName() == QLatin1String("hint") ? 9 : 12);
        }
        {
            // The next start begins at the size chosen last.
            MainWindow window(dictionary_);
            QCOMPARE(Box(window, "sourceBox")->font().pointSize(), 12);
            QCOMPARE(Box(window, "resultBox")->font().pointSize(), 12);
            window.findChild<QMenu*>("fontMenu")->actions()[1]->trigger();
        }
        MainWindow window(dictionary_);
        QCOMPARE(Box(window, "resultBox")->font().pointSize(), 9);
    }

    // Both boxes follow the window, and a new translation is read from the
    // top.
    void growsTheBoxesWithTheWindowAndShowsANewResultFromTheTop()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        TextBox* const source = Box(window, "sourceBox");
        TextBox* const result = Box(window, "resultBox");
        const QSize sourceBefore = source->size();
        const QSize resultBefore = result->size();
        window.resize(1200, 900);
        QTRY_VERIFY(source->width() > sourceBefore.width() + 400 && result->width() == source->width());
        QVERIFY(source->height() > sourceBefore.height() + 100 && result->height() > resultBefore.height() + 100);
        QVERIFY(window.centralWidget()->rect().contains(result->geometry()));
        // Smaller than its least size, the window keeps a few lines of each.
        window.resize(100, 100);
        QTRY_VERIFY(window.centralWidget()->width() >= 360);
        QVERIFY(source->height() > 40 && result->height() > 40);

        window.resize(1200, 900);
        std::u16string names;
        for (int i = 0; i < 2000; ++i)
            names += u"amino x\r\n";
        source->SetText(names);
        Choose(window, "translateAction");
        result->verticalScrollBar()->setValue(result->verticalScrollBar()->maximum());
        Choose(window, "translateAction");
        QCOMPARE(result->verticalScrollBar()->value(), 0);
    }

    // The keys of 翻译 and 排序 run them.
    void translatesAndSortsByKey()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        TextBox* const source = Box(window, "sourceBox");
        source->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));
        QTest::keyClick(source, Qt::Key_F5);
        QVERIFY(Box(window, "resultBox")->Text() == U("苯甲酸, 4-氨基-, 乙酯"));
        QTest::keyClick(source, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(Box(window, "resultBox")->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        Box(window, "sourceBox")->SetText(u"amino");
        QTest::keyClick(source, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(Box(window, "resultBox")->Text() == U("氨基"));
    }

    void exportsTheTableTheCommandLineWrites()
    {
        MainWindow window(dictionary_);
        Box(window, "sourceBox")->SetText(u"Benzoic acid, 4-amino-, ethyl ester\r\n\"amino\", x\r\n");

        // From either display, the Chinese lines beside their source lines.
        Choose(window, "translateAction");
        Choose(window, "sortAction");
        Choose(window, "displayAction");
        const QString path = QString::fromStdString((directory_ / "对照.csv").string());
        QVERIFY(window.ExportPairs(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = "\xEF\xBB\xBF\"Benzoic acid, 4-amino-, ethyl ester\",\"4-氨基-苯甲酸乙酯\"\r\n"
                                    "\"\"\"amino\"\", x\",\"\"\"氨基\"\"x\"\r\n";
        QCOMPARE(file.readAll(), expected);
        file.close();
        Choose(window, "displayAction");
        QVERIFY(window.ExportPairs(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);

        // A folder that does not exist: a message, and false.
        messages_.Clear();
        QVERIFY(!window.ExportPairs(QString::fromStdString((directory_ / "missing" / "对照.csv").string())));
        QCOMPARE(messages_.Messages().size(), 1);
        QCOMPARE(messages_.Messages().front().Icon, QMessageBox::Warning);
        QVERIFY(messages_.Messages().front().Text.contains(QStringLiteral("无法保存")));
    }

    void bringsMinimisedWindowsBack()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        for (const char* item : {"dataEntryAction", "aboutAction"}) {
            Choose(window, item);
            QWidget* const opened = QApplication::activeWindow() != &window ? QApplication::activeWindow() : nullptr;
            QWidget* shown = opened;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (!shown && widget != &window && widget->isVisible() && !qobject_cast<QMenu*>(widget))
                    shown = widget;
            QVERIFY(shown);
            shown->showMinimized();
            QVERIFY(shown->isMinimized());
            Choose(window, item);
            QVERIFY2(!shown->isMinimized() && shown->isVisible(), item);
            shown->hide();
        }
    }

    void opensOneDataWindowAndOneAboutWindow()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        const auto others = [&] {
            int count = 0;
            for (const QWidget* widget : QApplication::topLevelWidgets())
                count += widget != &window && widget->isWindow() && widget->isVisible()
                         && !qobject_cast<const QMenu*>(widget);
            return count;
        };
        const int before = others();
        Choose(window, "dataEntryAction");
        Choose(window, "dataEntryAction");
        QCOMPARE(others(), before + 1);
        Choose(window, "aboutAction");
        Choose(window, "aboutAction");
        QCOMPARE(others(), before + 2);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != &window)
                widget->hide();
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::MainWindowTest)
#include "main_window_test.moc"
