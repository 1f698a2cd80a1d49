#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Armorwright");
    QMainWindow window;
    window.setWindowTitle("Armorwright V0.6.8d");
    window.show();
    return app.exec();
}
