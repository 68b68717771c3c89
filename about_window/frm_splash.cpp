#include "about_window/frm_splash.h"

#include "about_window/about_texts.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStringList>

#include <array>

namespace {

QPointer<frmSplash> openWindow;

// Layout positions are given in twips: 15 to a pixel at 96 dots per inch.
constexpr int twipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return { left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
        height / twipsPerPixel };
}

QFont face(const char* family, qreal points, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

struct LabelLayout {
    const char* name;
    QRect geometry;
    QFont font;
    QColor colour;
    Qt::Alignment alignment;
    QString text;
    const char* description;
};

// Squeezes a label's lines closer together when the installed face's line
// spacing would push its last line out of the label.
void fitLinesToHeight(QLabel* label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed <= label->height())
        return;
    QStringList lines;
    for (const QString& line : label->text().split(u'\n'))
        lines << line.toHtmlEscaped();
    const int percent = 100 * label->height() / needed;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<div style=\"white-space:pre-wrap; line-height:%1%\">%2</div>")
                       .arg(percent)
                       .arg(lines.join(QStringLiteral("<br>"))));
}

const QColor background(192, 192, 255);
const QColor buttonFace(128, 128, 255);

} // namespace

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Trellan"));
    setAccessibleName(tr("About Trellan"));
    setAccessibleDescription(tr("Title, version, credits and planned features of Trellan"));
    setFixedSize(clientWidth + 2 * borderWidth, clientHeight + 2 * borderWidth);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(borderWidth, borderWidth, clientWidth, clientHeight);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, background);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);

    createLabels();
    createCloseButton();
}

void frmSplash::createLabels()
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const std::array<LabelLayout, 5> labels { {
        { "lblTitle", fromTwips(120, 120, 6375, 495), face("MS Sans Serif", 18, true),
            QColor(255, 0, 0), centred, aboutTitleText(), "Program title" },
        { "lblCopyright", fromTwips(360, 480, 5895, 495), face("Comic Sans MS", 15, true),
            QColor(0, 0, 0), centred, aboutDescriptionText(), "What the program does" },
        { "lblVersion", fromTwips(240, 1200, 6135, 855), face("Comic Sans MS", 12, false),
            QColor(0, 0, 0), centred, aboutVersionText(), "Licence and version" },
        { "LblBy", fromTwips(720, 1920, 3495, 615), face("Comic Sans MS", 9.75, false),
            QColor(0, 0, 192), Qt::AlignLeft | Qt::AlignTop, aboutCreditsText(), "Credits" },
        { "Label1", fromTwips(480, 2760, 4815, 2895), face("Comic Sans MS", 12, false),
            QColor(0, 0, 0), centred, aboutToDoText(), "Planned features" },
    } };

    for (const LabelLayout& layout : labels) {
        auto* label = new QLabel(layout.text, m_client);
        label->setObjectName(QString::fromLatin1(layout.name));
        label->setGeometry(layout.geometry);
        label->setFont(layout.font);
        label->setAlignment(layout.alignment);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        // No background of its own: the window's colour shows through.
        label->setAutoFillBackground(false);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, layout.colour);
        label->setPalette(palette);
        label->setFocusPolicy(Qt::NoFocus);
        label->setAccessibleName(spokenText(layout.text));
        label->setAccessibleDescription(tr(layout.description));
        fitLinesToHeight(label);
    }
}

void frmSplash::createCloseButton()
{
    m_cmdclose = new QPushButton(tr("Close"), m_client);
    m_cmdclose->setObjectName(QStringLiteral("cmdclose"));
    m_cmdclose->setGeometry(fromTwips(4800, 1920, 1335, 495));
    m_cmdclose->setFont(face("MS Sans Serif", 8.25, false));
    // A flat face of the button's own colour with a raised edge, the same on
    // every style.
    m_cmdclose->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(128, 128, 255); color: black;"
                       " border: 2px outset rgb(128, 128, 255); }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:focus { outline: 1px dotted black; }"));
    QPalette palette = m_cmdclose->palette();
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    m_cmdclose->setPalette(palette);
    m_cmdclose->setAccessibleDescription(tr("Closes the About window"));
    m_cmdclose->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the focused button, as well as the space bar.
    m_cmdclose->setAutoDefault(true);
    m_cmdclose->setFocus();
    connect(m_cmdclose, &QPushButton::clicked, this, &frmSplash::cmdclose_Click);
}

frmSplash* frmSplash::Open()
{
    if (!openWindow) {
        openWindow = new frmSplash;
        openWindow->centreOnScreen();
    }
    frmSplash* window = openWindow;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

frmSplash* frmSplash::instance()
{
    return openWindow;
}

void frmSplash::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmSplash::cmdclose_Click()
{
    close();
}

void frmSplash::paintEvent(QPaintEvent* /*event*/)
{
    // The thin border around the client area.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, borderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -borderWidth, -borderWidth));
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Closed means gone: the next Open creates a new window even before this
    // one has been deleted.
    if (event->isAccepted() && openWindow == this)
        openWindow = nullptr;
}
