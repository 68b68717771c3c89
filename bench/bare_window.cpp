// The start-up baseline: a bare Qt window as large as the main window, with
// as many child controls of the same kinds, and a picture of the graph's size
// painted before the window is shown. Nothing of the program is in it, so the
// program's start-up measured beside it shows what the program adds.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent)
        : QWidget(parent)
        , picture_(509, 467, QImage::Format_RGB32)
    {
        picture_.fill(Qt::white);
        QPainter painter(&picture_);
        for (int i = 0; i < picture_.width(); i += 25)
            painter.drawLine(i, 0, i, picture_.height() - 1);
        for (int j = 0; j < picture_.height(); j += 25)
            painter.drawLine(0, j, picture_.width() - 1, j);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(0, picture_.height() / 2, picture_.width() - 1, picture_.height() / 2);
        painter.drawLine(picture_.width() / 2, 0, picture_.width() / 2, picture_.height() - 1);
        painter.drawText(10, 20, QStringLiteral("-10 -5 0 5 10"));
        setGeometry(16, 32, picture_.width(), picture_.height());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    QImage picture_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(1103, 553);

    // 50 children: the picture, and controls of the kinds the main window
    // has, in about its proportions.
    new PictureView(&window);
    int placed = 0;
    const auto at = [&placed] {
        const int column = placed % 4, row = placed / 4;
        ++placed;
        return QRect(560 + column * 130, 20 + row * 40, 120, 30);
    };
    for (int i = 0; i < 18; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), &window))->setGeometry(at());
    for (int i = 0; i < 22; ++i)
        (new QLineEdit(QString::number(i), &window))->setGeometry(at());
    for (int i = 0; i < 7; ++i)
        (new QPushButton(QStringLiteral("Button %1").arg(i), &window))->setGeometry(at());
    (new QCheckBox(QStringLiteral("Check"), &window))->setGeometry(at());
    (new QPlainTextEdit(&window))->setGeometry(at());

    window.show();
    return app.exec();
}
