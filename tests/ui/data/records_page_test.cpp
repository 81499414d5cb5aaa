#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_path.h"
#include "dictionary/file_lock.h"
#include "dictionary/gbk_codec.h"
#include "test_support.h"
#include "ui/data/data_window.h"
#include "ui/data/dictionary_window.h"
#include "ui/data/record_table_model.h"
#include "ui/data/records_page.h"
#include "ui/main/main_window.h"
#include "ui/platform/message_box.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <optional>
#include <random>

namespace carbonym::ui {

namespace {

struct Pair {
    QString English;
    QString Chinese;
};

// Writes the pairs as records, in their order, in one write.
void WriteRecords(const std::filesystem::path& path, const std::vector<Pair>& pairs)
{
    GbkCodec codec;
    std::string bytes;
    bytes.reserve(pairs.size() * kRecordSize);
    for (const Pair& pair : pairs) {
        const auto record = EncodeRecord(MakeRecord(pair.English.toStdU16String(), pair.Chinese.toStdU16String()),
                                         codec);
        bytes.append(record.data(), record.size());
    }
    test::WriteBytes(path, bytes);
}

// Terms made of morphemes in any letter case, Greek letters among them, and
// Chinese terms that share characters, so that most searches find many.
std::vector<Pair> MakePairs(size_t count, uint32_t seed)
{
    const QStringList english = {"meth", "ETH", "Prop", "but", "yl", "OXY", "amino", "α", "Β", "-", " ", "Chlor", "ol"};
    const QStringList chinese = {"甲", "乙", "丙", "丁", "基", "氧", "氨", "α", "Β", "-", "氯", "醇"};
    std::mt19937 random(seed);
    std::vector<Pair> pairs;
    pairs.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Pair pair;
        const int pieces = 1 + static_cast<int>(random() % 5);
        for (int p = 0; p < pieces; ++p) {
            pair.English += english[static_cast<int>(random() % english.size())];
            pair.Chinese += chinese[static_cast<int>(random() % chinese.size())];
        }
        // Unique, and never blank at either end.
        pair.English = QStringLiteral("x%1%2").arg(pair.English).arg(i);
        pairs.push_back(pair);
    }
    return pairs;
}

// Types `text` as a user would: Latin letters key by key, other characters
// as an input method commits them.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(widget, &commit);
        }
    }
}

} // namespace

class RecordsPageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filterFollowsTypingOnALargeDictionary();
    void showsTheFileAsItNowIs();
    void editsTheChineseInPlace();
    void removesTheSelectedRecordsAfterAsking();
    void undoFromTheMainWindow();
    void asksBeforeSplittingAHardLink();
    void waitsForAnotherWriter();

private:
    std::filesystem::path Dictionary() const { return DictionaryPathIn(dir_->Path()); }

    // Opens the data-entry window on its record table.
    std::unique_ptr<DictionaryWindow> OpenRecords()
    {
        auto window = std::make_unique<DictionaryWindow>(dir_->Path());
        window->Tabs()->setCurrentWidget(window->Records());
        window->show();
        return window;
    }

    static QLineEdit* Search(QWidget& window) { return window.findChild<QLineEdit*>(QStringLiteral("SearchText")); }
    static QTableView* Table(QWidget& window) { return window.findChild<QTableView*>(QStringLiteral("RecordTable")); }
    static QString Count(QWidget& window) { return window.findChild<QLabel*>(QStringLiteral("RecordCount"))->text(); }

    // The record numbers and English terms the table shows, top to bottom.
    static QStringList Shown(QWidget& window)
    {
        const QAbstractItemModel* const model = Table(window)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, RecordTableModel::NumberColumn).data().toString() + QLatin1Char(':')
                        + model->index(row, RecordTableModel::EnglishColumn).data().toString();
        }
        return rows;
    }

    // Edits the Chinese of the table's row as a user does: double-click
    // opens the editor, the old text is selected, the new one typed over it,
    // and Enter saves.
    static void EditChinese(QWidget& window, int row, const QString& chinese)
    {
        QTableView* const table = Table(window);
        const QModelIndex index = table->model()->index(row, RecordTableModel::ChineseColumn);
        table->scrollTo(index);
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        auto* const editor = table->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        if (chinese.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        Type(editor, chinese);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the text once the editor has seen the key, and
        // the change runs once the editor has closed: two passes.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    static void SelectRows(QWidget& window, const std::vector<int>& rows)
    {
        QTableView* const table = Table(window);
        table->clearSelection();
        for (const int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static QPushButton* RemoveButton(QWidget& window)
    {
        return window.findChild<QPushButton*>(QStringLiteral("RemoveRecords"));
    }

    // The texts of the messages and questions since the last call; all carry
    // the title "提示".
    QStringList TakeMessages()
    {
        QStringList texts;
        for (const auto& message : recorder_->Messages()) {
            if (message.Title != QStringLiteral("提示"))
                qWarning() << "unexpected title" << message.Title;
            texts << (message.Icon == QMessageBox::Question ? QStringLiteral("? ") : QString()) + message.Text;
        }
        recorder_->Clear();
        return texts;
    }

    std::unique_ptr<test::TempDir> dir_;
    std::unique_ptr<MessageRecorder> recorder_;
};

void RecordsPageTest::init()
{
    dir_ = std::make_unique<test::TempDir>();
    recorder_ = std::make_unique<MessageRecorder>();
}

void RecordsPageTest::cleanup()
{
    QVERIFY(TakeMessages().isEmpty());
    recorder_.reset();
    dir_.reset();
}

// The table against a plain scan with Qt's own case folding, on 100,000
// records, for texts typed key by key and texts pasted whole.
void RecordsPageTest::filterFollowsTypingOnALargeDictionary()
{
    const std::vector<Pair> pairs = MakePairs(100'000, 13);
    WriteRecords(Dictionary(), pairs);
    const auto window = OpenRecords();
    QCOMPARE(Count(*window), QStringLiteral("共 100000 条数据"));

    const auto expected = [&](const QString& text) {
        QStringList rows;
        for (size_t i = 0; i < pairs.size(); ++i) {
            if (pairs[i].English.toCaseFolded().contains(text.toCaseFolded()) || pairs[i].Chinese.contains(text))
                rows << QString::number(i + 1) + QLatin1Char(':') + pairs[i].English;
        }
        return rows;
    };
    const QStringList typed = {"METHYL", "丙基氧", "βo"};
    for (const QString& text : typed) {
        Search(*window)->clear();
        Type(Search(*window), text);
        QCOMPARE(Search(*window)->text(), text);
        const QStringList rows = expected(text);
        QVERIFY(!rows.isEmpty());
        QCOMPARE(Shown(*window), rows);
        QCOMPARE(Count(*window), QStringLiteral("找到 %1 条，共 100000 条数据").arg(rows.size()));
    }
    const QStringList pasted = {"x1234", "yl 1", "Α", "-醇", "乙基", "ETHYLAMINO9", "nowhere", "x99999"};
    for (const QString& text : pasted) {
        Search(*window)->setText(text);
        QCOMPARE(Shown(*window), expected(text));
    }
    Search(*window)->clear();
    QCOMPARE(Table(*window)->model()->rowCount(), 100'000);
    QCOMPARE(Count(*window), QStringLiteral("共 100000 条数据"));
}

// Looking creates nothing; a record added on the first tab is in the table
// when the second comes back into view, and the search stays as typed.
void RecordsPageTest::showsTheFileAsItNowIs()
{
    const auto window = OpenRecords();
    QCOMPARE(Count(*window), QStringLiteral("共 0 条数据"));
    QVERIFY(!std::filesystem::exists(Dictionary()));

    WriteRecords(Dictionary(), {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    window->Tabs()->setCurrentWidget(window->AddPage());
    Search(*window)->setText(QStringLiteral("thyl"));
    window->Tabs()->setCurrentWidget(window->Records());
    QCOMPARE(Shown(*window), QStringList({"1:methyl", "2:ethyl"}));

    window->Tabs()->setCurrentWidget(window->AddPage());
    window->findChild<QLineEdit*>(QStringLiteral("englishBox"))->setText(QStringLiteral("ethylene"));
    window->findChild<QLineEdit*>(QStringLiteral("chineseBox"))->setText(QStringLiteral("乙烯"));
    window->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
    QCOMPARE(TakeMessages(), QStringList{"“ethylene”已添加为第 1 条数据。"});
    window->Tabs()->setCurrentWidget(window->Records());
    QCOMPARE(Shown(*window), QStringList({"1:ethylene", "2:methyl", "3:ethyl"}));
    QCOMPARE(Count(*window), QStringLiteral("找到 3 条，共 3 条数据"));

    // Another program's change shows without a click.
    WriteRecords(Dictionary(), {{"methyl", "甲基"}});
    QTRY_COMPARE(Shown(*window), QStringList({"1:methyl"}));
}

// Set through the editor of the table: what is saved is what an add would
// store, the previous file is kept for undo, and every refusal and failure
// says so and leaves the file alone.
void RecordsPageTest::editsTheChineseInPlace()
{
    WriteRecords(Dictionary(), {{"propyl", "丙基"}, {"methyl", "甲基"}, {"ethyl", "甲基"}});
    const std::string before = test::ReadBytes(Dictionary());
    const auto window = OpenRecords();
    Search(*window)->setText(QStringLiteral("ETH"));
    QCOMPARE(Shown(*window), QStringList({"2:methyl", "3:ethyl"}));

    EditChinese(*window, 1, QStringLiteral("乙基"));
    QCOMPARE(TakeMessages(), QStringList{"“ethyl”的中文已改为“乙基”。"});
    QCOMPARE(test::ReadBytes(BackupPathFor(Dictionary())), before);
    const auto records = ReadDictionary(Dictionary());
    QCOMPARE(records.size(), size_t(3));
    QVERIFY(Trim(records[2].Chinese) == u"乙基");
    QVERIFY(Trim(records[1].Chinese) == u"甲基");
    // The table shows the file, and the search stays.
    QCOMPARE(Search(*window)->text(), QStringLiteral("ETH"));
    QCOMPARE(Table(*window)->model()->index(1, RecordTableModel::ChineseColumn).data().toString(),
             QStringLiteral("乙基"));

    const std::string afterSet = test::ReadBytes(Dictionary());
    EditChinese(*window, 1, QString());
    QCOMPARE(TakeMessages(),
             QStringList{"没有要修改的中文，词典没有任何改动。要删除这条数据，请选中它后按“删除选中的数据”。"});
    EditChinese(*window, 1, QStringLiteral("😀"));
    const QStringList failed = TakeMessages();
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed[0].startsWith(QStringLiteral("数据修改失败，词典没有任何改动："))
                 && failed[0].contains(QStringLiteral("GBK")),
             qPrintable(failed[0]));
    QCOMPARE(test::ReadBytes(Dictionary()), afterSet);

    // Another program rewrote the file since the table read it: the record
    // in that row is now another one, and nothing is changed by mistake.
    WriteRecords(Dictionary(), {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    const std::string rewritten = test::ReadBytes(Dictionary());
    EditChinese(*window, 0, QStringLiteral("错")); // methyl, record 2 when the table was read
    QCOMPARE(TakeMessages(), QStringList{"词典文件刚被其他程序修改过，表格中的数据已不是文件中的样子，"
                                         "词典没有任何改动。表格已按现在的文件刷新，请再试一次。"});
    QCOMPARE(test::ReadBytes(Dictionary()), rewritten);
    QCOMPARE(Shown(*window), QStringList({"1:methyl", "2:ethyl"}));

    // Only Enter saves: leaving the cell, or Esc, puts the record back.
    QTableView* const table = Table(*window);
    for (const bool escape : {false, true}) {
        const QModelIndex index = table->model()->index(1, RecordTableModel::ChineseColumn);
        table->setCurrentIndex(index);
        table->edit(index);
        auto* const editor = table->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("不存"));
        if (escape)
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            Search(*window)->setFocus();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(TakeMessages(), QStringList());
        QCOMPARE(test::ReadBytes(Dictionary()), rewritten);
        QCOMPARE(table->model()->index(1, RecordTableModel::ChineseColumn).data().toString(), QStringLiteral("乙基"));
    }
}

void RecordsPageTest::removesTheSelectedRecordsAfterAsking()
{
    std::vector<Pair> pairs;
    for (int i = 0; i < 8; ++i)
        pairs.push_back({QStringLiteral("term%1").arg(i), QStringLiteral("词%1").arg(i)});
    WriteRecords(Dictionary(), pairs);
    const std::string before = test::ReadBytes(Dictionary());
    const auto window = OpenRecords();
    QVERIFY(!RemoveButton(*window)->isEnabled());

    SelectRows(*window, {6, 0, 1, 2, 3, 4, 5});
    QVERIFY(RemoveButton(*window)->isEnabled());
    RemoveButton(*window)->click(); // answered 否
    QCOMPARE(TakeMessages(),
             QStringList{"? 确定要从词典中删除选中的 7 条数据吗？\n“term0”\n“term1”\n“term2”\n“term3”\n“term4”\n……"});
    QCOMPARE(test::ReadBytes(Dictionary()), before);
    Search(*window)->setText(QStringLiteral("term7")); // the selected rows out of view
    QVERIFY(!RemoveButton(*window)->isEnabled());

    Search(*window)->setText(QStringLiteral("词"));
    SelectRows(*window, {1, 5});
    recorder_->Answer(true);
    QTest::keyClick(Table(*window), Qt::Key_Delete);
    QCOMPARE(TakeMessages(),
             QStringList({"? 确定要从词典中删除选中的 2 条数据吗？\n“term1”\n“term5”", "已删除 2 条数据。"}));
    QCOMPARE(test::Entries(Dictionary()),
             std::vector<std::string>({"5:term0", "5:term2", "5:term3", "5:term4", "5:term6", "5:term7"}));
    QCOMPARE(test::ReadBytes(BackupPathFor(Dictionary())), before);
    QCOMPARE(Shown(*window), QStringList({"1:term0", "2:term2", "3:term3", "4:term4", "5:term6", "6:term7"}));
    QVERIFY(!RemoveButton(*window)->isEnabled());

    // A dictionary removed meanwhile: a failure, said as such.
    std::filesystem::remove(Dictionary());
    SelectRows(*window, {0});
    recorder_->Answer(true);
    RemoveButton(*window)->click();
    const QStringList failed = TakeMessages();
    QCOMPARE(failed.size(), 2);
    QVERIFY2(failed[1].startsWith(QStringLiteral("数据删除失败，词典没有任何改动：")), qPrintable(failed[1]));
    QVERIFY(!std::filesystem::exists(Dictionary()));
    QCOMPARE(Count(*window), QStringLiteral("找到 0 条，共 0 条数据"));
}

// 工具 → 撤销上次词典修改 brings back the file before the last change, after
// a question, and the open data-entry window's table follows.
void RecordsPageTest::undoFromTheMainWindow()
{
    WriteRecords(Dictionary(), {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    const std::string before = test::ReadBytes(Dictionary());
    MainWindow main(Dictionary());
    const auto choose = [&](const char* name) { main.findChild<QAction*>(QLatin1String(name))->trigger(); };

    // Nothing to undo yet: the item is greyed.
    QAction* const undo = main.findChild<QAction*>(QStringLiteral("undoChangeAction"));
    QVERIFY(!undo->isEnabled());

    choose("dataEntryAction");
    QWidget* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("dataWindow") && widget->isVisible())
            window = widget;
    QVERIFY(window);
    window->findChild<QTabWidget*>()->setCurrentIndex(1);
    QCOMPARE(Shown(*window), QStringList({"1:methyl", "2:ethyl"}));
    SelectRows(*window, {0});
    recorder_->Answer(true);
    RemoveButton(*window)->click();
    QCOMPARE(TakeMessages().last(), QStringLiteral("已删除 1 条数据。"));
    QCOMPARE(Shown(*window), QStringList({"1:ethyl"}));

    // Opening 工具 finds the backup; the question says what undoing does.
    emit main.findChild<QMenu*>(QStringLiteral("toolsMenu"))->aboutToShow();
    QVERIFY(undo->isEnabled());
    recorder_->Answer(true);
    choose("undoChangeAction");
    const QStringList undone = TakeMessages();
    QVERIFY2(undone.first().startsWith(QStringLiteral("? 要撤销 "))
                 && undone.first().contains(QStringLiteral("由现在的 1 条数据恢复为修改前的 2 条")),
             qPrintable(undone.first()));
    QCOMPARE(undone.last(), QStringLiteral("已撤销上次词典修改，词典已恢复为修改前的样子。"));
    QCOMPARE(test::ReadBytes(Dictionary()), before);
    QCOMPARE(Shown(*window), QStringList({"1:methyl", "2:ethyl"}));
    window->close();
}

// A hard-linked dictionary: saving would split the links, so the window asks
// and saves only on 是; the other link keeps the old records.
void RecordsPageTest::asksBeforeSplittingAHardLink()
{
    WriteRecords(Dictionary(), {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    const std::string before = test::ReadBytes(Dictionary());
    const auto other = dir_->Path() / "other.dat";
    std::filesystem::create_hard_link(Dictionary(), other);
    const auto window = OpenRecords();

    EditChinese(*window, 1, QStringLiteral("乙烷基"));
    QStringList messages = TakeMessages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].startsWith(QStringLiteral("? ")) && messages[0].endsWith(QStringLiteral("仍要保存吗？")),
             qPrintable(messages[0]));
    QCOMPARE(messages[1], QStringLiteral("没有修改，词典没有任何改动。"));
    QCOMPARE(test::ReadBytes(Dictionary()), before);

    recorder_->Answer(true);
    EditChinese(*window, 1, QStringLiteral("乙烷基"));
    messages = TakeMessages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[1], QStringLiteral("“ethyl”的中文已改为“乙烷基”。"));
    QVERIFY(Trim(ReadDictionary(Dictionary())[1].Chinese) == u"乙烷基");
    QCOMPARE(test::ReadBytes(other), before);
}

// Another writer holds the dictionary: the change waits for it behind the
// busy notice, and goes through once the other is done.
void RecordsPageTest::waitsForAnotherWriter()
{
    WriteRecords(Dictionary(), {{"methyl", "甲基"}});
    const auto window = OpenRecords();
    std::optional<FileLock> other;
    other.emplace(LockPathFor(Dictionary()), std::chrono::milliseconds(0));
    bool noticeSeen = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        QWidget* const dialog = QApplication::activeModalWidget();
        if (dialog && dialog->objectName() == QLatin1String("BusyDialog")) {
            noticeSeen = true;
            other.reset();
        }
    });
    watcher.start(20);
    EditChinese(*window, 0, QStringLiteral("甲"));
    watcher.stop();
    QVERIFY(noticeSeen);
    QCOMPARE(TakeMessages(), QStringList{"“methyl”的中文已改为“甲”。"});
    QVERIFY(Trim(ReadDictionary(Dictionary())[0].Chinese) == u"甲");
}

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::RecordsPageTest)
#include "records_page_test.moc"
