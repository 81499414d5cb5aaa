#include "dictionary/dictionary_path.h"
#include "dictionary/gbk_codec.h"
#include "test_support.h"
#include "ui/data/data_window.h"
#include "ui/data/dictionary_window.h"
#include "ui/data/record_table_model.h"
#include "ui/data/records_page.h"
#include "ui/platform/message_box.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

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
        const auto record = EncodeRecord(MakeRecord(pair.English.toStdU16String(), pair.Chinese.toStdU16String()), codec);
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
    QVERIFY(recorder_->Messages().isEmpty());
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
    window->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("ethylene"));
    window->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("乙烯"));
    window->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    QCOMPARE(recorder_->Messages().size(), 1);
    recorder_->Clear();
    window->Tabs()->setCurrentWidget(window->Records());
    QCOMPARE(Shown(*window), QStringList({"1:ethylene", "2:methyl", "3:ethyl"}));
    QCOMPARE(Count(*window), QStringLiteral("找到 3 条，共 3 条数据"));
}

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::RecordsPageTest)
#include "records_page_test.moc"
