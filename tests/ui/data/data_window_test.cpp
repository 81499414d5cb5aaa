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

// What a user sees of the add page: each box with its caption to its left,
// the buttons in a column at the right, the two lists side by side below,
// nothing covering anything else, the texts in their faces, and the focus
// moving through the boxes in the order laid down.
void DataWindowTest::layout()
{
    DataWindow window(dir_->Path());
    QCOMPARE(window.windowTitle(), QStringLiteral("数据添加"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.parentWidget() == nullptr);
    window.show();

    const auto at = [&](const char* name) {
        auto* const control = window.findChild<QWidget*>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    };
    const auto captionLeftOf = [&](const char* label, const char* box, const QString& caption) {
        const QRect l = at(label)->geometry();
        const QRect b = at(box)->geometry();
        return qobject_cast<QLabel*>(at(label))->text() == caption && l.right() < b.left() && l.bottom() >= b.top()
               && l.top() <= b.bottom();
    };
    QVERIFY(captionLeftOf("lengthLabel", "lengthBox", QStringLiteral("长度：")));
    QVERIFY(captionLeftOf("englishLabel", "englishBox", QStringLiteral("英文：")));
    QVERIFY(captionLeftOf("chineseLabel", "chineseBox", QStringLiteral("中文：")));
    QVERIFY(captionLeftOf("recordNumberLabel", "recordNumberBox", QStringLiteral("记录号：")));
    QStringList captions;
    for (const char* button : {"showButton", "addButton", "batchAddButton"}) {
        captions << qobject_cast<QPushButton*>(at(button))->text();
        QCOMPARE(at(button)->x(), at("showButton")->x());
        QVERIFY(at(button)->x() > at("englishBox")->geometry().right());
    }
    QCOMPARE(captions, (QStringList{"显示", "添加", "批量添加"}));
    QVERIFY(at("englishList")->geometry().right() < at("chineseList")->x());
    QVERIFY(at("englishList")->y() > at("batchAddButton")->geometry().bottom());
    QVERIFY(at("englishListLabel")->geometry().bottom() <= at("englishList")->y());

    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls) {
        QVERIFY2(window.rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : controls)
            // (A heading may touch the list below it by a pixel, as laid down.)
            QVERIFY2(a == b || a->geometry().intersected(b->geometry()).height() <= 1,
                     qPrintable(a->objectName() + QLatin1Char(' ') + b->objectName()));
    }
    QCOMPARE(at("englishBox")->font().family(), QStringLiteral("Times New Roman"));
    for (const char* song : {"lengthBox", "chineseBox", "recordNumberBox", "showButton", "addButton", "englishList"})
        QCOMPARE(at(song)->font().family(), QStringLiteral("宋体"));

    QStringList tabOrder;
    QWidget* first = at("lengthBox");
    for (QWidget* widget = first; tabOrder.size() < 20; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty())
            tabOrder << widget->objectName();
        if (widget->nextInFocusChain() == first)
            break;
    }
    QCOMPARE(tabOrder, QStringList({"lengthBox", "englishBox", "chineseBox", "showButton", "recordNumberBox",
                                    "addButton", "batchAddButton", "englishList", "chineseList"}));
}

void DataWindowTest::placedOnceAndSingle()
{
    auto find = [] {
        QPointer<QWidget> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("dataWindow"))
                found = widget;
        }
        return found;
    };
    QWidget mainWindow;
    mainWindow.setGeometry(100, 200, 400, 300);
    OpenDataWindow(&mainWindow);
    const QPointer<QWidget> window = find();
    QVERIFY(window && window->isVisible());
    // Beside the main window, not over it.
    const QPoint placed = window->pos();
    QVERIFY(!mainWindow.frameGeometry().intersects(QRect(placed, window->size())));
    QCOMPARE(placed.y(), mainWindow.frameGeometry().top());
    QVERIFY(window->parentWidget() == nullptr && !window->isModal());
    Box(*window, "englishBox")->setText(QStringLiteral("kept"));

    // Opening again brings the same window forward, where it is.
    mainWindow.move(800, 300); // no room to the right now: to the left
    OpenDataWindow(&mainWindow);
    QCOMPARE(find(), window);
    QCOMPARE(window->pos(), placed);
    QCOMPARE(Box(*window, "englishBox")->text(), QStringLiteral("kept"));

    // Closing discards it; the next opening loads it afresh.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    OpenDataWindow(&mainWindow);
    const QPointer<QWidget> again = find();
    QVERIFY(again);
    QCOMPARE(again->pos().y(), 300);
    QVERIFY(again->pos().x() + again->width() < 800);
    QCOMPARE(Box(*again, "englishBox")->text(), QString());
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

    Box(window, "recordNumberBox")->setText(QStringLiteral("12"));
    Click(window, "showButton");
    QCOMPARE(Box(window, "lengthBox")->text(), QStringLiteral("7"));
    QCOMPARE(Box(window, "englishBox")->text(), QStringLiteral("term112"));
    QCOMPARE(Box(window, "chineseBox")->text(), QStringLiteral("词12"));

    Box(window, "englishBox")->setText(QStringLiteral("typed"));
    Box(window, "recordNumberBox")->setText(QStringLiteral(" 1"));
    Click(window, "showButton");
    QCOMPARE(Box(window, "lengthBox")->text(), QStringLiteral("70"));
    QCOMPARE(Box(window, "englishBox")->text(), QString(64, u'x'));
    Box(window, "recordNumberBox")->setText(QStringLiteral("3.5"));
    Click(window, "showButton");
    QCOMPARE(Box(window, "englishBox")->text(), QStringLiteral("term104"));
    QVERIFY(TakeMessages().isEmpty());

    // The shown pair, added again, is refused as present.
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList({"数据已经存在"})); // the refusal alone

    Box(window, "recordNumberBox")->clear();
    Click(window, "showButton");
    QCOMPARE(TakeMessages(), QStringList{"没有记录号为 0 的数据：请输入 1 到 12 之间的记录号"});
    QCOMPARE(Box(window, "englishBox")->text(), QStringLiteral("term104"));
}

void DataWindowTest::addMessages()
{
    DataWindow window(dir_->Path());
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的英文"});
    Box(window, "englishBox")->setText(QStringLiteral("methyl"));
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的中文"});
    QVERIFY(!std::filesystem::exists(Dictionary()));

    Box(window, "chineseBox")->setText(QStringLiteral("甲基"));
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList()); // the first record goes unannounced
    Box(window, "englishBox")->setText(QStringLiteral("ethyl"));
    Box(window, "chineseBox")->setText(QStringLiteral("乙基"));
    Click(window, "addButton");
    // The message names the new record, and the boxes show it.
    QCOMPARE(TakeMessages(), QStringList{"“ethyl”已添加为第 2 条数据。"});
    QCOMPARE(Box(window, "recordNumberBox")->text(), QStringLiteral("2"));
    QCOMPARE(Box(window, "lengthBox")->text(), QStringLiteral("5"));
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList({"数据已经存在"})); // the refusal alone
    QCOMPARE(Box(window, "englishBox")->text(), QStringLiteral("ethyl"));
    QCOMPARE(Box(window, "chineseBox")->text(), QStringLiteral("乙基"));
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:methyl", "5:ethyl"}));

    // A text pasted from a Linux program breaks its lines with LF alone: its
    // first line is added.
    Box(window, "englishBox")->setText(QStringLiteral("propyl\nsecond line"));
    Box(window, "chineseBox")->setText(QStringLiteral("丙基\n第二行"));
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList{"“propyl”已添加为第 1 条数据。"});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl", "5:ethyl"}));
    QCOMPARE(QString::fromStdU16String(std::u16string(Trim(ReadDictionary(Dictionary())[0].Chinese))),
             QStringLiteral("丙基"));
}

void DataWindowTest::failedAddSaysSo()
{
    test::WriteDictionaryFile(Dictionary(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(Dictionary());
    DataWindow window(dir_->Path());
    Box(window, "englishBox")->setText(QStringLiteral("smile"));
    Box(window, "chineseBox")->setText(QStringLiteral("😀"));
    Click(window, "addButton");
    QCOMPARE(TakeMessages(), QStringList{"数据添加失败，词典没有任何改动：字符“😀”(U+1F600)无法用 GBK 编码保存"});

    // A pasted term too long for the 16-bit Length reaches the add whole.
    Box(window, "englishBox")->setText(QString(40000, u'a'));
    Box(window, "chineseBox")->setText(QStringLiteral("长"));
    Click(window, "addButton");
    auto messages = TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QStringLiteral("数据添加失败，词典没有任何改动：英文词条超过 32767 个字符")),
             qPrintable(messages[0]));

#ifndef _WIN32
    Box(window, "englishBox")->setText(QStringLiteral("ethyl"));
    {
        test::FileSizeLimit full(64);
        Click(window, "addButton");
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
    Click(window, "batchAddButton");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的英文"});

    List(window, "englishList")->setPlainText(QStringLiteral("ethyl\nbutyl\nmethyl"));
    Click(window, "batchAddButton");
    QCOMPARE(TakeMessages(), QStringList{"没有要添加的中文"});

    List(window, "chineseList")->setPlainText(QStringLiteral("乙基\n丁基\n甲基"));
    Click(window, "batchAddButton");
    // The message says how many were added.
    QCOMPARE(TakeMessages(),
             QStringList{"数据添加完毕，已经有  1  个数据存在\n共添加 2 条数据。\n已经存在、没有添加的 1 条：methyl"});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:methyl", "5:butyl", "5:ethyl"}));
    QVERIFY(!std::filesystem::exists(dir_->Path() / kEnglishWorkFile));
    QVERIFY(!std::filesystem::exists(dir_->Path() / kChineseWorkFile));
    QCOMPARE(List(window, "englishList")->toPlainText(), QStringLiteral("ethyl\nbutyl\nmethyl"));
}

void DataWindowTest::fontRule()
{
    DataWindow window(dir_->Path());
    auto* english = List(window, "englishList");
    auto* chinese = List(window, "chineseList");
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
    Box(window, "englishBox")->setText(QStringLiteral("ethyl"));
    Box(window, "chineseBox")->setText(QStringLiteral("乙基"));

    // 否: nothing changes; 是: saved, and the other link keeps the old file.
    Click(window, "addButton");
    QCOMPARE(recorder_->Messages().size(), 1);
    QCOMPARE(recorder_->Messages().front().Icon, QMessageBox::Question);
    recorder_->Clear();
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>{"6:methyl"});
    recorder_->AnswerQuestions(true);
    List(window, "englishList")->setPlainText(QStringLiteral("propyl"));
    List(window, "chineseList")->setPlainText(QStringLiteral("丙基"));
    Click(window, "batchAddButton");
    QCOMPARE(recorder_->Messages().size(), 2);
    QCOMPARE(recorder_->Messages().back().Text, QStringLiteral("数据添加完毕\n共添加 1 条数据。"));
    recorder_->Clear();
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl"}));
    QCOMPARE(test::Entries(other), std::vector<std::string>{"6:methyl"});

    // Another writer holds the dictionary: the add waits for it, then goes on.
    auto held = std::make_unique<FileLock>(LockPathFor(Dictionary()), std::chrono::milliseconds(0));
    QTimer::singleShot(300, [&] { held.reset(); });
    Click(window, "addButton");
    QVERIFY(!held);
    QCOMPARE(TakeMessages(), QStringList{"“ethyl”已添加为第 3 条数据。"});
    QCOMPARE(test::Entries(Dictionary()), std::vector<std::string>({"6:propyl", "6:methyl", "5:ethyl"}));
}

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::DataWindowTest)
#include "data_window_test.moc"
