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
        return {Action(window, "St")->isEnabled(), Action(window, "CHA")->isEnabled(), Action(window, "CHA")->text()};
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
        QCOMPARE(window.objectName(), QStringLiteral("dier"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Carbonym"));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

        // The client area below the menu bar: size and place on the screen.
        QWidget* const client = window.centralWidget();
        QCOMPARE(client->size(), QSize(685, 453));
        QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(297, 279));

        TextBox* const source = Box(window, "TextS");
        TextBox* const result = Box(window, "TextD");
        QCOMPARE(source->geometry(), QRect(8, 40, 665, 169));
        QCOMPARE(result->geometry(), QRect(8, 232, 665, 217));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Line1"))->geometry(), QRect(0, 8, 680, 1));
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
            QCOMPARE(label->font().pointSize(), label->objectName() == QLatin1String("Label2") ? 9 : 12);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(labels[0]->text(), QStringLiteral("英文："));
        QCOMPARE(labels[2]->text(), QStringLiteral("译文："));
        QCOMPARE(labels[0]->objectName(), QStringLiteral("Label1"));
        QCOMPARE(labels[2]->objectName(), QStringLiteral("Label1"));
    }

    void hasTheMenusInOrder()
    {
        MainWindow window(dictionary_);
        const auto bar = window.menuBar()->actions();
        QCOMPARE(Captions(bar), (QStringList{"翻译", "排序", "设置", "工具", "字体", "关于", "退出"}));
        QStringList names;
        for (const QAction* action : bar)
            names << action->objectName();
        QCOMPARE(names, (QStringList{"Tw", "St", "Sets", "ToolT", "zit", "AboutQ", "Mexit"}));
        QVERIFY(!bar[0]->menu() && !bar[1]->menu() && !bar[5]->menu() && !bar[6]->menu());

        QCOMPARE(Captions(window.findChild<QMenu*>("Sets")->actions()), (QStringList{"中英文", "按命名规则排序"}));
        QCOMPARE(Captions(window.findChild<QMenu*>("ToolT")->actions()), (QStringList{"数据添加", "导出中英文对照…"}));
        const auto sizes = window.findChild<QMenu*>("zit")->actions();
        QCOMPARE(Captions(sizes), (QStringList{"9", "10", "11", "12"}));
        for (int i = 0; i < sizes.size(); ++i) {
            QCOMPARE(sizes[i]->objectName(), QStringLiteral("menSize"));
            QCOMPARE(sizes[i]->data().toInt(), i);
        }

        QMenu* const kuai = window.findChild<QMenu*>("KUAI");
        QCOMPARE(kuai->title(), QStringLiteral("kuaiji"));
        QVERIFY(!bar.contains(kuai->menuAction()));
        QCOMPARE(Captions(kuai->actions()), (QStringList{"剪切", "复制", "粘贴", "删除"}));
        QStringList shortcuts;
        for (const QAction* action : kuai->actions())
            shortcuts << action->shortcut().toString();
        QCOMPARE(shortcuts, (QStringList{"Ctrl+X", "Ctrl+C", "Ctrl+V", "Del"}));

        // After start only reorder and display mode wait for their turn.
        for (QAction* action : window.findChildren<QAction*>()) {
            const bool waits = action->objectName() == QLatin1String("St") || action->objectName() == QLatin1String("CHA");
            QVERIFY2(action->isEnabled() != waits, qPrintable(action->objectName()));
            QVERIFY(action->isCheckable() == (action->objectName() == QLatin1String("SortByRules")));
            QVERIFY(!action->text().contains(QLatin1Char('&')));
        }
    }

    void translatesSortsAndSwitchesTheDisplay()
    {
        MainWindow window(dictionary_);
        TextBox* const source = Box(window, "TextS");
        TextBox* const result = Box(window, "TextD");
        source->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));

        Choose(window, "Tw");
        QVERIFY(result->Text() == U("苯甲酸, 4-氨基-, 乙酯"));
        // After the term of the last record that matched.
        QCOMPARE(result->SelectionStart(), size_t(9));
        QVERIFY((MenuState(window) == State{true, false, "中英文"}));

        Choose(window, "St");
        QVERIFY(result->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        QCOMPARE(result->SelectionStart(), result->Text().size());
        QVERIFY((MenuState(window) == State{false, true, "中英文"}));

        Choose(window, "CHA");
        QVERIFY(result->Text() == U("Benzoic acid, 4-amino-, ethyl ester\r\n4-氨基-苯甲酸乙酯\r\n"));
        QVERIFY((MenuState(window) == State{false, true, "全中文"}));

        Choose(window, "CHA");
        QVERIFY(result->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        QVERIFY((MenuState(window) == State{false, true, "中英文"}));

        // A new translation starts the sequence afresh, from either display.
        Choose(window, "CHA");
        Choose(window, "Tw");
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
            QAction* const rules = Action(window, "SortByRules");
            QVERIFY(!rules->isChecked());
            TextBox* const result = Box(window, "TextD");
            Box(window, "TextS")->SetText(U("Benzoic acid, 4-amino-, ethyl ester\r\nglycidyl amino\r\nbenzoic ACID"));

            Choose(window, "Tw");
            QVERIFY(result->Text() == U("苯甲酸, 4-氨基-, 乙酯\r\nglycidyl 氨基\r\n苯甲酸"));
            QCOMPARE(marked(result), QStringList{"glycidyl"});
            QCOMPARE(notice(window), QStringLiteral("1 行仍含英文"));

            rules->trigger();
            Choose(window, "St");
            QVERIFY(result->Text() == U("4-氨基苯甲酸乙酯\r\n氨基glycidyl\r\n苯甲酸\r\n"));
            QCOMPARE(marked(result), QStringList{"glycidyl"});
            QCOMPARE(notice(window), QStringLiteral("1 行仍含英文"));

            // The source lines of the bilingual display are not marked; back
            // in Chinese the marks return.
            Choose(window, "CHA");
            QVERIFY(marked(result).isEmpty());
            Choose(window, "CHA");
            QCOMPARE(marked(result), QStringList{"glycidyl"});

            Box(window, "TextS")->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));
            Choose(window, "Tw");
            QVERIFY(marked(result).isEmpty());
            QCOMPARE(notice(window), QString());
        }
        {
            MainWindow window(dictionary_);
            QVERIFY(Action(window, "SortByRules")->isChecked());
            Action(window, "SortByRules")->trigger();
            Box(window, "TextS")->SetText(U("Benzoic acid, 4-amino-, ethyl ester"));
            Choose(window, "Tw");
            Choose(window, "St");
            QVERIFY(Box(window, "TextD")->Text() == U("4-氨基-苯甲酸乙酯\r\n"));
        }
        MainWindow window(dictionary_);
        QVERIFY(!Action(window, "SortByRules")->isChecked());
        QVERIFY(ProgramSettings()->fileName().startsWith(QString::fromStdString(directory_.Path().string())));
    }

    void displayWithAnEmptyResultOnlyTogglesTheCaption()
    {
        MainWindow window(dictionary_);
        Box(window, "TextS")->SetText(u"x");
        Choose(window, "Tw");
        Choose(window, "St");
        Box(window, "TextD")->SetText(u"");
        Choose(window, "CHA");
        QVERIFY(Box(window, "TextD")->Text().empty());
        QCOMPARE(Action(window, "CHA")->text(), QStringLiteral("全中文"));
    }

    void leavesTheCaretAfterTheLastInsertedTerm()
    {
        MainWindow window(dictionary_);
        TextBox* const result = Box(window, "TextD");
        Box(window, "TextS")->SetText(u"amino x AMINO\r\nfoo");
        Choose(window, "Tw");
        QVERIFY(result->Text() == U("氨基 x 氨基\r\nfoo"));
        QCOMPARE(result->SelectionStart(), size_t(7));

        Box(window, "TextS")->SetText(u"nothing\r\nhere");
        Choose(window, "Tw");
        QVERIFY(result->Text() == u"nothing\r\nhere");
        QCOMPARE(result->SelectionStart(), size_t(0));
    }

    void refusesAnEmptySource()
    {
        MainWindow window(dictionary_);
        Box(window, "TextS")->SetText(u"x y");
        Choose(window, "Tw");
        Choose(window, "St");
        const State before = MenuState(window);

        Box(window, "TextS")->SetText(u"");
        Choose(window, "Tw");
        QVERIFY(Box(window, "TextD")->Text().empty());
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
        Box(window, "TextS")->SetText(u"  \r\n");
        Choose(window, "Tw");
        QVERIFY(Box(window, "TextD")->Text() == u"  \r\n");
        QVERIFY(Action(window, "St")->isEnabled());
        QVERIFY(messages_.Messages().isEmpty());
    }

    void createsAMissingDictionary()
    {
        std::filesystem::remove(dictionary_);
        MainWindow window(dictionary_);
        Box(window, "TextS")->SetText(u"Benzoic acid");
        Choose(window, "Tw");
        QVERIFY(Box(window, "TextD")->Text() == u"Benzoic acid");
        QVERIFY(std::filesystem::exists(dictionary_));
        QVERIFY(Action(window, "St")->isEnabled());
        // Translating with no entry at all says so, for a missing file and
        // then for the empty one it made.
        QCOMPARE(messages_.Messages().size(), 1);
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("没有任何词条")));
        Choose(window, "Tw");
        QCOMPARE(messages_.Messages().size(), 2);
        QVERIFY(messages_.Messages().back().Text.contains(QStringLiteral("没有任何词条")));
    }

    void reportsADictionaryItCannotRead()
    {
        // A directory where the dictionary should be.
        MainWindow window(directory_.Path());
        Box(window, "TextS")->SetText(u"Benzoic acid\r\namino");
        Box(window, "TextD")->SetText(u"old");
        Choose(window, "Tw");
        QVERIFY(Box(window, "TextD")->Text() == u"Benzoic acid\r\namino");
        QCOMPARE(messages_.Messages().size(), 1);
        QVERIFY(messages_.Messages().front().Text.startsWith(QStringLiteral("翻译失败")));
        QCOMPARE(messages_.Messages().front().Icon, QMessageBox::Warning);
        QVERIFY((MenuState(window) == State{false, false, "中英文"}));
    }

    void setsTheFontSizeOfBothBoxes()
    {
        MainWindow window(dictionary_);
        TextBox* const source = Box(window, "TextS");
        TextBox* const result = Box(window, "TextD");
        source->SetText(u"alpha\r\nbeta");
        Select(source, 2, 5);
        const auto sizes = window.findChild<QMenu*>("zit")->actions();

        sizes[3]->trigger();
        for (TextBox* box : {source, result}) {
            QCOMPARE(box->font().pointSize(), 12);
            QCOMPARE(box->font().family(), QStringLiteral("宋体"));
            QVERIFY(!box->font().bold());
        }
        QVERIFY(source->Text() == u"alpha\r\nbeta");
        QVERIFY(source->SelectedText() == u"pha\r\n");
        for (const QLabel* label : window.findChildren<QLabel*>())
            QCOMPARE(label->font().pointSize(), label->objectName() == QLatin1String("Label2") ? 9 : 12);

        sizes[0]->trigger();
        QCOMPARE(source->font().pointSize(), 9);
        QCOMPARE(result->font().pointSize(), 9);
    }

    void keepsTheControlsInPlaceWhenResized()
    {
        MainWindow window(dictionary_);
        ShowAndActivate(window);
        TextBox* const result = Box(window, "TextD");
        const QRect before = result->geometry();
        window.resize(300, 200);
        QCoreApplication::processEvents();
        QCOMPARE(result->geometry(), before);
        window.resize(1000, 800);
        QCoreApplication::processEvents();
        QCOMPARE(result->geometry(), before);
    }

    void exportsTheTableTheCommandLineWrites()
    {
        MainWindow window(dictionary_);
        Box(window, "TextS")->SetText(u"Benzoic acid, 4-amino-, ethyl ester\r\n\"amino\", x\r\n");
        const QString path = QString::fromStdString((directory_ / "对照.csv").string());
        QVERIFY(!window.ExportPairs(path)); // nothing translated yet
        QCOMPARE(messages_.Messages().size(), 1);
        QVERIFY(!QFile::exists(path));

        // From either display, the Chinese lines beside their source lines.
        Choose(window, "Tw");
        Choose(window, "St");
        Choose(window, "CHA");
        QVERIFY(window.ExportPairs(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = "\xEF\xBB\xBF\"Benzoic acid, 4-amino-, ethyl ester\",\"4-氨基-苯甲酸乙酯\"\r\n"
                                    "\"\"\"amino\"\", x\",\"\"\"氨基\"\"x\"\r\n";
        QCOMPARE(file.readAll(), expected);
        file.close();
        Choose(window, "CHA");
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
        for (const char* item : {"Datadd1", "AboutQ"}) {
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
        Choose(window, "Datadd1");
        Choose(window, "Datadd1");
        QCOMPARE(others(), before + 1);
        Choose(window, "AboutQ");
        Choose(window, "AboutQ");
        QCOMPARE(others(), before + 2);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != &window)
                widget->hide();
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::MainWindowTest)
#include "main_window_test.moc"
