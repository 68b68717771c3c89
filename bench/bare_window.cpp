// The start-up baseline: a bare Qt window as large as the main window, with
// as many child controls of the same kinds, and a picture of the graph's size
// painted before the window is shown. Nothing of the program is in it, so the
// program's start-up measured beside it shows what the program adds.
//
//   trellan_bare_window [--faces]
//
// With --faces its texts are set in the nine faces the main window's first
// frame shows (the stand-ins of look/fonts.cpp, by their own names, at the
// window's sizes) instead of the default one, and its title is "Bare window
// with faces": the program measured beside it shows what it adds to the
// cost of its look.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstring>

namespace {

struct Face {
    const char* family;
    int pixels;
    bool bold;
};

// The faces of the main window's first frame but the picture's numbers.
constexpr std::array<Face, 8> windowFaces { {
    { "Liberation Sans", 11, false },
    { "Liberation Sans", 11, true },
    { "Liberation Sans", 16, true },
    { "DejaVu Sans Condensed", 12, false },
    { "DejaVu Sans Condensed", 16, false },
    { "Comic Neue", 12, false },
    { "Comic Neue", 16, false },
    { "Comic Neue", 19, false },
} };

QFont fontOf(const Face& face)
{
    QFont font(QString::fromLatin1(face.family));
    font.setPixelSize(face.pixels);
    font.setBold(face.bold);
    return font;
}

class PictureView : public QWidget {
public:
    PictureView(QWidget* parent, bool faces)
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
        if (faces) // the graph's numbers
            painter.setFont(fontOf({ "Liberation Sans Narrow", 11, false }));
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
    const bool faces = argc > 1 && std::strcmp(argv[1], "--faces") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(
        faces ? QStringLiteral("Bare window with faces") : QStringLiteral("Bare window"));
    window.resize(1103, 553);

    // 50 children: the picture, and controls of the kinds the main window
    // has, in about its proportions.
    new PictureView(&window, faces);
    int placed = 0;
    const auto at = [&placed] {
        const int column = placed % 4, row = placed / 4;
        ++placed;
        return QRect(560 + column * 130, 20 + row * 40, 120, 30);
    };
    // With faces, each label and line edit takes the next face.
    const auto place = [&at, &placed, faces](QWidget* control) {
        if (faces)
            control->setFont(fontOf(windowFaces[placed % windowFaces.size()]));
        control->setGeometry(at());
    };
    for (int i = 0; i < 18; ++i)
        place(new QLabel(QStringLiteral("Label %1").arg(i), &window));
    for (int i = 0; i < 22; ++i)
        place(new QLineEdit(QString::number(i), &window));
    for (int i = 0; i < 7; ++i)
        (new QPushButton(QStringLiteral("Button %1").arg(i), &window))->setGeometry(at());
    (new QCheckBox(QStringLiteral("Check"), &window))->setGeometry(at());
    (new QPlainTextEdit(&window))->setGeometry(at());

    window.show();
    return app.exec();
}
