// carbonym: the main window, and the program's whole start.

#include "ui/main/main_window.h"
#include "ui/platform/program_exit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carbonym"));
    carbonym::ui::MainWindow window;
    window.show();
    app.exec();
    // The event loop also ends when the session does.
    carbonym::ui::EndProgram();
}
