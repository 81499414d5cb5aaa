// carbonym-about-screenshot: draws the screen with the main window and the
// about window in front of it into a PNG, once the about window's effect has
// played (scripts/screenshot runs it under a virtual X server with a window
// manager).

#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

void Wait(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "用法：carbonym-about-screenshot 输出.png\n");
        return 2;
    }
    // The dictionary is not read until a command needs it.
    carbonym::ui::MainWindow main;
    main.show();
    Wait(500);

    main.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    Wait(4000); // the effect's 140 frames

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect shown = main.frameGeometry().adjusted(-20, -20, 20, 20) & screen->geometry();
    if (!screen->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
             .save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "无法写入 %s\n", argv[1]);
        return 1;
    }
    return 0;
}
