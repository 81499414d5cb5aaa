// records_table_bench: the record table of the data-entry window on a large
// dictionary, offscreen. It opens the table, types a search key by key,
// pastes searches whole, and saves one Chinese edit and one removal; each
// time runs until the table shows the result.
//
//     build/bin/records_table_bench [RECORDS]     (100000)

#include "bench_data.h"

#include "ui/data/dictionary_window.h"
#include "ui/data/records_page.h"
#include "ui/platform/message_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace carbonym;

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const size_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;

    const auto dir = std::filesystem::temp_directory_path() / "carbonym-records-bench";
    std::filesystem::create_directories(dir);
    bench::WriteDictionary(dir / "source.dat", bench::MakeDictionary(records, 1));
    ui::MessageRecorder messages;

    QElapsedTimer timer;
    timer.start();
    ui::DictionaryWindow window(dir);
    window.Tabs()->setCurrentWidget(window.Records());
    window.show();
    QCoreApplication::processEvents();
    const double opened = Milliseconds(timer);

    auto* const search = window.findChild<QLineEdit*>(QStringLiteral("SearchText"));
    auto* const table = window.findChild<QTableView*>(QStringLiteral("RecordTable"));
    const QString typed = QStringLiteral("methyl");
    double slowestKey = 0;
    timer.restart();
    for (const QChar c : typed) {
        QElapsedTimer key;
        key.start();
        QTest::keyClick(search, c.toLatin1());
        QCoreApplication::processEvents();
        slowestKey = std::max(slowestKey, Milliseconds(key));
    }
    const double typing = Milliseconds(timer);
    const int found = table->model()->rowCount();

    timer.restart();
    for (const QString& text : {QStringLiteral("氨基"), QStringLiteral("x"), QString()}) {
        search->setText(text);
        QCoreApplication::processEvents();
    }
    const double pasted = Milliseconds(timer) / 3;

    // One edit and one removal, saved and read back, on the whole table.
    auto* const model = table->model();
    timer.restart();
    model->setData(model->index(0, 2), QStringLiteral("甲基"));
    QCoreApplication::processEvents();
    const double edited = Milliseconds(timer);
    messages.Answer(true);
    table->selectRow(0);
    timer.restart();
    window.findChild<QPushButton*>(QStringLiteral("RemoveRecords"))->click();
    QCoreApplication::processEvents();
    const double removed = Milliseconds(timer);

    std::printf("%zu records\n", records);
    std::printf("open the table                  %8.1f ms\n", opened);
    std::printf("type \"%s\" key by key          %8.1f ms (slowest key %.1f ms, %d found)\n", qPrintable(typed), typing,
                slowestKey, found);
    std::printf("a search pasted whole           %8.1f ms\n", pasted);
    std::printf("edit one Chinese, saved, shown  %8.1f ms\n", edited);
    std::printf("remove one record, saved, shown %8.1f ms\n", removed);
    for (const auto& message : messages.Messages())
        std::printf("  %s\n", qPrintable(message.Text));
    std::filesystem::remove_all(dir);
    return 0;
}
