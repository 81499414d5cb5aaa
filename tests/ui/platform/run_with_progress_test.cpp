#include "ui/platform/run_with_progress.h"

#include <QLabel>
#include <QtTest>

#include <atomic>
#include <stdexcept>

namespace carbonym::ui {

class RunWithProgressTest : public QObject {
    Q_OBJECT

private slots:
    void runsShortWorkWithoutLettingOtherEventsIn()
    {
        bool otherEventRan = false;
        QTimer::singleShot(0, this, [&] { otherEventRan = true; });
        int result = 0;
        RunWithProgress(nullptr, QStringLiteral("x"), [&] { result = 42; });
        QCOMPARE(result, 42);
        QVERIFY(!otherEventRan);
        QCoreApplication::processEvents();
        QVERIFY(otherEventRan);
    }

    void throwsTheWorksExceptionHere()
    {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 RunWithProgress(nullptr, QStringLiteral("x"), [] { throw std::runtime_error("no"); }));
    }

    // The work goes on until the test has seen the dialog, so no clock
    // decides the outcome.
    void showsAModalDialogThatStaysUntilTheWorkEnds()
    {
        std::atomic<bool> release = false;
        QString shownLabel;
        bool survivedEscape = false;
        QTimer watcher;
        watcher.setInterval(20);
        connect(&watcher, &QTimer::timeout, [&] {
            QWidget* const dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QLatin1String("BusyDialog"))
                return;
            if (shownLabel.isEmpty()) {
                shownLabel = dialog->findChild<QLabel*>()->text();
                QTest::keyClick(dialog, Qt::Key_Escape);
                dialog->close();
                return;
            }
            survivedEscape = dialog->isVisible();
            release = true;
        });
        watcher.start();
        RunWithProgress(nullptr, QStringLiteral("正在翻译"), [&] {
            while (!release)
                QThread::msleep(5);
        });
        QCOMPARE(shownLabel, QStringLiteral("正在翻译"));
        QVERIFY(survivedEscape);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A command whose work was quick but whose last step on this thread will
    // be long shows the notice before that step, drawn, and keeps it until
    // the command ends; a short step shows nothing.
    void showsTheNoticeBeforeALongStepUntilTheCommandEnds()
    {
        {
            BusyNotice notice(nullptr, QStringLiteral("正在翻译"));
            notice.Run([] {});
            notice.BeforeStep(BusyNotice::FillMilliseconds(1000));
            QVERIFY(!QApplication::activeModalWidget());
        }
        {
            BusyNotice notice(nullptr, QStringLiteral("正在翻译"));
            notice.Run([] {});
            notice.BeforeStep(BusyNotice::FillMilliseconds(8000000)); // a text of 300,000 names
            QWidget* const shown = QApplication::activeModalWidget();
            QVERIFY(shown && shown->objectName() == QLatin1String("BusyDialog") && shown->isVisible());
            QCOMPARE(shown->findChild<QLabel*>()->text(), QStringLiteral("正在翻译"));
        }
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
    }
};

} // namespace carbonym::ui

QTEST_MAIN(carbonym::ui::RunWithProgressTest)
#include "run_with_progress_test.moc"
