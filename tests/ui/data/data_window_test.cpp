#include "dictionary/add_commands.h"
#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/file_lock.h"
#include "dictionary/dictionary_path.h"
#include "fault_injection.h"
#include "test_support.h"
#include "ui/platform/message_box.h"
#include "ui/data/data_window.h"
#include "ui/data/open_data_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace carbonym::ui {

class DataWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void placedOnceAndSingle();
    void showCommand();
    void addMessages();
    void failedAddSaysSo();
    void batchAdd();
    void fontRule();
    void asksBeforeSplittingAHardLinkAndWaitsForTheLock();

private:
    std::filesystem::path Dictionary() const { return DictionaryPathIn(dir_->Path()); }
    void Click(QWidget& window, const char* button) { window.findChild<QPushButton*>(button)->click(); }
    QLineEdit* Box(QWidget& window, const char* name) { return window.findChild<QLineEdit*>(name); }
    QPlainTextEdit* List(QWidget& window, const char* name) { return window.findChild<QPlainTextEdit*>(name); }

    // The texts of the messages since the last call; every one must carry
    // the title "提示" and the information icon.
    QStringList TakeMessages()
    {
        QStringList texts;
        for (const auto& message : recorder_->Messages()) {
            if (message.Icon != QMessageBox::Information || message.Title != QStringLiteral("提示"))
                qWarning() << "unexpected message box" << message.Icon << message.Title;
            texts << message.Text;
        }
        recorder_->Clear();
        return texts;
    }

    std::unique_ptr<test::TempDir> dir_;
    std::unique_ptr<MessageRecorder> recorder_;
};

void DataWindowTest::init()
{
    dir_ = std::make_unique<test::TempDir>();
    recorder_ = std::make_unique<MessageRecorder>();
}

void DataWindowTest::cleanup()
{
    QVERIFY(TakeMessages().isEmpty());
    recorder_.reset();
    dir_.reset();
}

void DataWindowTest::layout()
{
    DataWindow window(dir_->Path());
    QCOMPARE(window.objectName(), QStringLiteral("ForDat"));
    QCOMPARE(window.windowTitle(), QStringLiteral("数据添加"));
    QCOMPARE(window.minimumSize(), QSize(629, 391)); // 9,435 x 5,865 twips
    QCOMPARE(window.maximumSize(), QSize(629, 391));
    const auto flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.parentWidget() == nullptr);

    struct Expected {
        const char* name;
        QRect geometry; // pixels: twips / 15
        QString caption;
        QString family;
        int points;
    };
    const QString song = QStringLiteral("宋体");
    const QString none;
    const std::vector<Expected> controls = {
        {"Text1", {64, 8, 97, 25}, none, song, 12},
        {"Text2", {64, 48, 345, 25}, none, QStringLiteral("Times New Roman"), 12},
        {"Text3", {64, 80, 345, 25}, none, song, 12},
        {"Command1", {456, 8, 65, 25}, QStringLiteral("显示"), song, 12},
        {"Text4", {352, 8, 57, 25}, none, song, 12},
        {"Label2", {8, 56, 49, 17}, QStringLiteral("英文："), song, 12},
        {"Label3", {8, 88, 49, 17}, QStringLiteral("中文："), song, 12},
        {"Command2", {456, 48, 65, 25}, QStringLiteral("添加"), song, 12},
        {"Command3", {456, 80, 65, 25}, QStringLiteral("批量添加"), none, 0},
        {"Label4", {24, 112, 49, 17}, QStringLiteral("英文"), none, 0},
        {"Label5", {384, 112, 49, 17}, QStringLiteral("中文"), none, 0},
        {"RTB1", {8, 128, 353, 257}, none, song, 9},
        {"RTB2", {368, 128, 257, 257}, none, none, 0},
    };
    for (const auto& expected : controls) {
        auto* control = window.findChild<QWidget*>(expected.name);
        QVERIFY2(control, expected.name);
        QCOMPARE(control->geometry(), expected.geometry);
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), expected.caption);
        if (auto* label = qobject_cast<QLabel*>(control))
            QCOMPARE(label->text(), expected.caption);
        if (!expected.family.isEmpty()) {
            QCOMPARE(control->font().family(), expected.family);
            QCOMPARE(control->font().pointSize(), expected.points);
        }
    }
    const auto labels = window.findChildren<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(labels.size(), 2);
    QCOMPARE(labels[0]->property("index").toInt(), 0);
    QCOMPARE(labels[0]->text(), QStringLiteral("长度："));
    QCOMPARE(labels[0]->geometry(), QRect(8, 16, 49, 17));
    QCOMPARE(labels[1]->property("index").toInt(), 1);
    QCOMPARE(labels[1]->text(), QStringLiteral("记录号："));
    QCOMPARE(labels[1]->geometry(), QRect(280, 16, 65, 17));

    QStringList tabOrder;
    QWidget* first = window.findChild<QWidget*>(QStringLiteral("Text1"));
    for (QWidget* widget = first; tabOrder.size() < 20; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty())
            tabOrder << widget->objectName();
        if (widget->nextInFocusChain() == first)
            break;
    }
    QCOMPARE(tabOrder, QStringList({"Text1", "Text2", "Text3", "Command1", "Text4", "Command2", "Command3", "RTB1", "RTB2"}));
}

void DataWindowTest::placedOnceAndSingle()
{
    auto find = [] {
        QPointer<QWidget> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("ForDat"))
                found = widget;
        }
        return found;
    };
    QWidget mainWindow;
    mainWindow.move(100, 200);
    OpenDataWindow(&mainWindow);
    const QPointer<QWidget> window = find();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->pos(), QPoint(127, 253)); // + 400 and + 800 twips
    QVERIFY(window->parentWidget() == nullptr && !window->isModal());
    Box(*window, "Text2")->setText(QStringLiteral("kept"));

    // Opening again brings the same window forward, where it is.
    mainWindow.move(300, 300);
    OpenDataWindow(&mainWindow);
    QCOMPARE(find(), window);
    QCOMPARE(window->pos(), QPoint(127, 253));
    QCOMPARE(Box(*window, "Text2")->text(), QStringLiteral("kept"));

    // Closing discards it; the next opening loads it afresh.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    OpenDataWindow(&mainWindow);
    const QPointer<QWidget> again = find();
    QVERIFY(again);
    QCOMPARE(again->pos(), QPoint(327, 353));
    QCOMPARE(Box(*again, "Text2")->text(), QString());
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DataWindowTest::showCommand()
{
    std::vector<std::pair<std::string, std::string>> pairs = {{std::string(70, 'x'), "长"}};
    for (int i = 2; i <= 12; ++i)
        pairs.emplace_back("term" + std::to_string(100 + i), "词" + std::to_string(i));
    test::WriteDictionaryFile(Dictionary(), pairs);
    DataWindow window(dir_->Path());

    Box(window, "Text4")->setText(QStringLiteral("12"));
    Click(window, "Command1");
    QCOMPARE(Box(window, "Text1")->text(), QStringLiteral("7"));
    QCOMPARE(Box(window, "Text2")->text(), QStringLiteral("term112"));
    QCOMPARE(Box(window, "Text3")->text(), QStringLiteral("词12"));

    Box(window, "Text2")->setText(QStringLiteral("typed"));
    Box(window, "Text4")->setText(QStringLiteral(" 1"));
    Click(window, "Command1");
    QCOMPARE(Box(window, "Text1")->text(), QStringLiteral("70"));
    QCOMPARE(Box(window, "Text2")->text(), QString(64, u'x'));
    Box(window, "Text4")->setText(QStringLiteral("3.5"));
    Click(window, "Command1");
    QCOMPARE(Box(window, "Text2")->text(), QStringLiteral("term104"));
    QVERIFY(TakeMessages().isEmpty());

    // The shown pair, added again, is refused as present.
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList({"数据已经存在     "})); // the refusal alone

    Box(window, "Text4")->clear();
    Click(window, "Command1");
    QCOMPARE(TakeMessages(), QStringList{"没有记录号为 0 的数据：请输入 1 到 12 之间的记录号"});
    QCOMPARE(Box(window, "Text2")->text(), QStringLiteral("term104"));
}

void DataWindowTest::addMessages()
{
    DataWindow window(dir_->Path());
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的英文  "});
    Box(window, "Text2")->setText(QStringLiteral("methyl"));
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的中文  "});
    QVERIFY(!std::filesystem::exists(Dictionary()));

    Box(window, "Text3")->setText(QStringLiteral("甲基"));
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList()); // the first record goes unannounced
    Box(window, "Text2")->setText(QStringLiteral("ethyl"));
    Box(window, "Text3")->setText(QStringLiteral("乙基"));
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList{"数据添加完毕    "});
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList({"数据已经存在     "})); // the refusal alone
    QCOMPARE(Box(window, "Text2")->text(), QStringLiteral("ethyl"));
    QCOMPARE(Box(window, "Text3")->text(), QStringLiteral("乙基"));
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:methyl", "5:ethyl"}));

    // A text pasted from a Linux program breaks its lines with LF alone: its
    // first line is added.
    Box(window, "Text2")->setText(QStringLiteral("propyl\nsecond line"));
    Box(window, "Text3")->setText(QStringLiteral("丙基\n第二行"));
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList{"数据添加完毕    "});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl", "5:ethyl"}));
    QCOMPARE(QString::fromStdU16String(std::u16string(Trim(ReadDictionary(Dictionary())[0].Chinese))),
             QStringLiteral("丙基"));
}

void DataWindowTest::failedAddSaysSo()
{
    test::WriteDictionaryFile(Dictionary(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(Dictionary());
    DataWindow window(dir_->Path());
    Box(window, "Text2")->setText(QStringLiteral("smile"));
    Box(window, "Text3")->setText(QStringLiteral("😀"));
    Click(window, "Command2");
    QCOMPARE(TakeMessages(), QStringList{"数据添加失败，词典没有任何改动：字符“😀”(U+1F600)无法用 GBK 编码保存"});

    // A pasted term too long for the 16-bit Length reaches the add whole.
    Box(window, "Text2")->setText(QString(40000, u'a'));
    Box(window, "Text3")->setText(QStringLiteral("长"));
    Click(window, "Command2");
    auto messages = TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QStringLiteral("数据添加失败，词典没有任何改动：英文词条超过 32767 个字符")),
             qPrintable(messages[0]));

#ifndef _WIN32
    Box(window, "Text2")->setText(QStringLiteral("ethyl"));
    {
        test::FileSizeLimit full(64);
        Click(window, "Command2");
    }
    messages = TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("写入失败")), qPrintable(messages[0]));
#endif
    QCOMPARE(test::ReadBytes(Dictionary()), before);
}

void DataWindowTest::batchAdd()
{
    test::WriteDictionaryFile(Dictionary(), {{"methyl", "甲基"}});
    DataWindow window(dir_->Path());
    Click(window, "Command3");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的英文  "});

    List(window, "RTB1")->setPlainText(QStringLiteral("ethyl\nbutyl\nmethyl"));
    Click(window, "Command3");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的中文  "});

    List(window, "RTB2")->setPlainText(QStringLiteral("乙基\n丁基\n甲基"));
    Click(window, "Command3");
    QCOMPARE(TakeMessages(), QStringList{"数据添加完毕，已经有  1  个数据存在"});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:methyl", "5:butyl", "5:ethyl"}));
    QVERIFY(!std::filesystem::exists(dir_->Path() / kEnglishWorkFile));
    QVERIFY(!std::filesystem::exists(dir_->Path() / kChineseWorkFile));
    QCOMPARE(List(window, "RTB1")->toPlainText(), QStringLiteral("ethyl\nbutyl\nmethyl"));
}

void DataWindowTest::fontRule()
{
    DataWindow window(dir_->Path());
    auto* english = List(window, "RTB1");
    auto* chinese = List(window, "RTB2");
    QCOMPARE(english->font().pointSize(), 9);
    QTest::keyClicks(english, QStringLiteral("ab"));
    QCOMPARE(english->font().pointSize(), 8);
    QCOMPARE(english->font().family(), QStringLiteral("宋体")); // only the size changes
    QTest::keyClick(english, Qt::Key_Backspace);
    QCOMPARE(english->font().pointSize(), 8);

    const QString family = chinese->font().family();
    chinese->setPlainText(QStringLiteral("甲基"));
    QCOMPARE(chinese->font().pointSize(), 9);
    QCOMPARE(chinese->font().family(), family);
}

void DataWindowTest::asksBeforeSplittingAHardLinkAndWaitsForTheLock()
{
    test::WriteDictionaryFile(Dictionary(), {{"methyl", "甲基"}});
    const auto other = dir_->Path() / "other.dat";
    std::filesystem::create_hard_link(Dictionary(), other);
    DataWindow window(dir_->Path());
    Box(window, "Text2")->setText(QStringLiteral("ethyl"));
    Box(window, "Text3")->setText(QStringLiteral("乙基"));

    // 否: nothing changes; 是: saved, and the other link keeps the old file.
    Click(window, "Command2");
    QCOMPARE(recorder_->Messages().size(), 1);
    QCOMPARE(recorder_->Messages().front().Icon, QMessageBox::Question);
    recorder_->Clear();
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>{"6:methyl"});
    recorder_->AnswerQuestions(true);
    List(window, "RTB1")->setPlainText(QStringLiteral("propyl"));
    List(window, "RTB2")->setPlainText(QStringLiteral("丙基"));
    Click(window, "Command3");
    QCOMPARE(recorder_->Messages().size(), 2);
    QCOMPARE(recorder_->Messages().back().Text, QStringLiteral("数据添加完毕     "));
    recorder_->Clear();
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl"}));
    QCOMPARE(test::Entries(other), std::vector<std::string>{"6:methyl"});

    // Another writer holds the dictionary: the add waits for it, then goes on.
    auto held = std::make_unique<FileLock>(LockPathFor(Dictionary()), std::chrono::milliseconds(0));
    QTimer::singleShot(300, [&] { held.reset(); });
    Click(window, "Command2");
    QVERIFY(!held);
    QCOMPARE(TakeMessages(), QStringList{"数据添加完毕    "});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl", "5:ethyl"}));
}

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::DataWindowTest)
#include "data_window_test.moc"
