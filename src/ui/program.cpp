// carbonym: the main window, and the program's whole start.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Carbonym"));
    placeholder.show();
    return app.exec();
}
