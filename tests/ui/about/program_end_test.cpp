// Closing the main window while the about window plays its effect or its
// closing animation ends the process at once, so each case runs in a child
// process of this test.

#include "ui/about/about_window.h"
#include "ui/main/main_window.h"
#include "ui/main/window_driver.h"

#include <QProcess>
#include <QPushButton>

#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

namespace carbonym::ui {

using namespace carbonym::ui::test;

namespace {

void Print(const char* what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

// Tells when the about window starts its closing animation and when it
// reaches the top edge.
class AnimationWatch : public QObject {
public:
    explicit AnimationWatch(QWidget* about, std::function<void()> onCollapse)
        : about_(about), onCollapse_(std::move(onCollapse))
    {
        about->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && onCollapse_) {
            Print("collapsing");
            std::exchange(onCollapse_, nullptr)();
        }
        if (event->type() == QEvent::Move && about_->frameGeometry().top() == 0)
            Print("at the top edge");
        return false;
    }

private:
    QWidget* about_;
    std::function<void()> onCollapse_;
};

int RunChild(const QString& scenario)
{
    MainWindow window(std::filesystem::path("unused.dat"));
    ShowAndActivate(window);
    Choose(window, "aboutAction");
    AboutWindow* about = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        about = about ? about : qobject_cast<AboutWindow*>(widget);
    if (!about)
        return 4;

    // The effect runs 2.8 seconds on the real clock.
    AnimationWatch watch(about, [&] {
        if (scenario == QLatin1String("during-animation"))
            QTimer::singleShot(0, &window, &QWidget::close);
    });
    QTimer::singleShot(300, &window, [&] {
        if (scenario == QLatin1String("during-effect"))
            window.close();
        else
            about->findChild<QPushButton*>()->click();
        Print("survived the close");
    });
    QApplication::exec();
    Print("survived the event loop");
    return 3;
}

} // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

private:
    static QByteArray RunScenario(const QString& scenario)
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scenario"), scenario});
        if (!child.waitForFinished(30000))
            return "did not end";
        const QByteArray output = child.readAllStandardOutput();
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            return output + "exit code " + QByteArray::number(child.exitCode());
        return output;
    }

private slots:
    void closingTheMainWindowDuringTheEffectEndsTheProgram()
    {
        QCOMPARE(RunScenario(QStringLiteral("during-effect")), QByteArray());
    }

    void closingTheMainWindowDuringTheClosingAnimationEndsTheProgram()
    {
        QCOMPARE(RunScenario(QStringLiteral("during-animation")), QByteArray("collapsing\n"));
    }
};

} // namespace carbonym::ui

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--scenario") == 0)
        return carbonym::ui::RunChild(QString::fromLocal8Bit(argv[2]));
    carbonym::ui::ProgramEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_end_test.moc"
