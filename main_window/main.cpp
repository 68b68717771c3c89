#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quarnby's Trellan"));
    window.resize(1103, 553);
    window.show();
    return app.exec();
}
