#include "about_window/frm_splash.h"

#include "about_window/about_texts.h"
#include "look/centred.h"
#include "look/colours.h"
#include "look/twips.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QStringList>

#include <array>

namespace {

using look::fromTwips;

QPointer<frmSplash> openWindow;

// The classic face names; the program maps them onto installed faces at
// start (look::installFontSubstitutions).
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

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setGeometry(borderWidth, borderWidth, clientWidth, clientHeight);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, look::panelLilac);
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);

    createLabels();
    createCloseButton();
}

void frmSplash::createLabels()
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const std::array<LabelLayout, 5> labels { {
        { "lblTitle", fromTwips(120, 120, 6375, 495), face("MS Sans Serif", 18, true),
            QColor(255, 0, 0), centred, aboutTitleText(), QT_TR_NOOP("Program title") },
        { "lblCopyright", fromTwips(360, 480, 5895, 495), face("Comic Sans MS", 15, true),
            QColor(0, 0, 0), centred, aboutDescriptionText(), QT_TR_NOOP("What the program does") },
        { "lblVersion", fromTwips(240, 1200, 6135, 855), face("Comic Sans MS", 12, false),
            QColor(0, 0, 0), centred, aboutVersionText(), QT_TR_NOOP("Licence and version") },
        { "LblBy", fromTwips(720, 1920, 3495, 615), face("Comic Sans MS", 9.75, false),
            QColor(0, 0, 192), Qt::AlignLeft | Qt::AlignTop, aboutCreditsText(),
            QT_TR_NOOP("Credits") },
        { "Label1", fromTwips(480, 2760, 4815, 2895), face("Comic Sans MS", 12, false),
            QColor(0, 0, 0), centred, aboutToDoText(), QT_TR_NOOP("Planned features") },
    } };

    for (const LabelLayout& layout : labels) {
        auto* label = new QLabel(layout.text, client_);
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
    cmdclose_ = new QPushButton(tr("Close"), client_);
    cmdclose_->setObjectName(QStringLiteral("cmdclose"));
    cmdclose_->setGeometry(fromTwips(4800, 1920, 1335, 495));
    cmdclose_->setFont(face("MS Sans Serif", 8.25, false));
    // A flat face of the button's own colour with a raised edge, the same on
    // every style.
    cmdclose_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; border: 2px outset %1; }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:focus { outline: 1px dotted black; }")
            .arg(look::windowBlue.name()));
    cmdclose_->setAccessibleDescription(tr("Closes the About window"));
    cmdclose_->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the focused button, as well as the space bar.
    cmdclose_->setAutoDefault(true);
    cmdclose_->setFocus();
    connect(cmdclose_, &QPushButton::clicked, this, &frmSplash::cmdclose_Click);
}

frmSplash* frmSplash::open()
{
    if (!openWindow) {
        openWindow = new frmSplash;
        if (const auto corner
            = look::centredOnScreen(QGuiApplication::primaryScreen(), openWindow->size()))
            openWindow->move(*corner);
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

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cmdclose_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Closed means gone: the next Open creates a new window even before this
    // one has been deleted.
    if (event->isAccepted() && openWindow == this)
        openWindow = nullptr;
}
