// Closing the main window ends the process, so each way of closing runs in a
// child process of this test.

#include "ui/main/main_window.h"
#include "window_driver.h"

#include <QEventLoop>
#include <QProcess>

#include <cstdio>
#include <cstring>

namespace carbonym::ui {

using namespace carbonym::ui::test;

namespace {

// Prints what a child should never reach.
void Survived(const char* where)
{
    std::printf("survived %s\n", where);
    std::fflush(stdout);
}

int RunChild(const QString& scenario)
{
    MainWindow window(std::filesystem::path("unused.dat"));
    window.show();
    if (scenario == QLatin1String("exit")) {
        Choose(window, "dataEntryAction");
        Choose(window, "aboutAction");
        Choose(window, "exitAction");
        Survived("exit");
    } else if (scenario == QLatin1String("close-in-nested-loop")) {
        // Another window runs a nested event loop (an animation, say) when
        // the main window is closed from inside it.
        QTimer::singleShot(0, [&] {
            QEventLoop animation;
            QTimer::singleShot(50, &window, &QWidget::close);
            QTimer::singleShot(10000, &animation, &QEventLoop::quit);
            animation.exec();
            Survived("nested loop");
        });
        QApplication::exec();
        Survived("event loop");
    }
    return 3;
}

} // namespace

class CloseTest : public QObject {
    Q_OBJECT

private:
    static void RunScenario(const QString& scenario)
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scenario"), scenario});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray output = child.readAllStandardOutput();
        QVERIFY2(!output.contains("survived"), output.constData());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

private slots:
    void exitEndsTheProgramWithOtherWindowsOpen() { RunScenario(QStringLiteral("exit")); }
    void closingEndsTheProgramFromANestedEventLoop() { RunScenario(QStringLiteral("close-in-nested-loop")); }
};

} // namespace carbonym::ui

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--scenario") == 0)
        return carbonym::ui::RunChild(QString::fromLocal8Bit(argv[2]));
    carbonym::ui::CloseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "close_test.moc"
