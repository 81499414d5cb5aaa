// carbonym: the main window, and the program's whole start.

#include "ui/main/main_window.h"
#include "ui/platform/program_exit.h"
#include "ui/platform/qt_translation.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carbonym"));
    // Every window, message box and notice shows the program's icon, and
    // Qt's standard buttons read 确定, 取消, 是, 否.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/carbonym.png")));
    carbonym::ui::LoadQtTranslation(app);
    carbonym::ui::MainWindow window;
    window.show();
    app.exec();
    // The event loop also ends when the session does.
    carbonym::ui::EndProgram();
}
