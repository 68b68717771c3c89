#include "main_window/faces/button_face.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int bevelWidth = 2;
// Room kept clear of the bevel on each side of the words.
constexpr qreal textMargin = 4;
// Below this the words are not shrunk further, fitting or not.
constexpr int smallestLetters = 7;

QColor mixed(const QColor& a, const QColor& b, qreal share)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
        a.greenF() + (b.greenF() - a.greenF()) * share,
        a.blueF() + (b.blueF() - a.blueF()) * share);
}

void drawBevel(QPainter& painter, QSize size, const QColor& faceColour)
{
    const int w = size.width();
    const int h = size.height();
    // Outer ring first, then the inner one, each an L of light and an L of
    // dark; the dark L is drawn last so it owns the two shared corners.
    const QColor lights[bevelWidth]
        = { mixed(faceColour, Qt::white, 0.75), mixed(faceColour, Qt::white, 0.4) };
    const QColor darks[bevelWidth]
        = { mixed(faceColour, Qt::black, 0.75), mixed(faceColour, Qt::black, 0.4) };
    for (int i = 0; i < bevelWidth; ++i) {
        painter.fillRect(i, i, w - 2 * i, 1, lights[i]);
        painter.fillRect(i, i, 1, h - 2 * i, lights[i]);
        painter.fillRect(i, h - 1 - i, w - 2 * i, 1, darks[i]);
        painter.fillRect(w - 1 - i, i, 1, h - 2 * i, darks[i]);
    }
}

QFont lettersFont(qreal letterSpacing)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont wordsFont(const QStringList& lines, QSize size, qreal letterSpacing)
{
    QFont font = lettersFont(letterSpacing);
    const int px = faceLetterSize(lines, size, letterSpacing);
    font.setPixelSize(px > 0 ? px : smallestLetters);
    return font;
}

} // namespace

int faceLetterSize(const QStringList& lines, QSize size, qreal letterSpacing, int atLeast)
{
    // As large as the face allows, up to 14 px: shrink until every line fits.
    QFont font = lettersFont(letterSpacing);
    const qreal roomWidth = size.width() - 2 * (bevelWidth + textMargin);
    const qreal roomHeight = size.height() - 2 * bevelWidth;
    for (int px = 14; px >= std::max(atLeast, smallestLetters); --px) {
        font.setPixelSize(px);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line) - letterSpacing);
        if (widest <= roomWidth && metrics.height() * lines.size() <= roomHeight)
            return px;
    }
    return 0;
}

QPixmap paintButtonFace(const QStringList& lines, QSize size, const QColor& faceColour,
    qreal letterSpacing, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(faceColour);

    QPainter painter(&picture);
    drawBevel(painter, size, faceColour);

    const QFont font = wordsFont(lines, size, letterSpacing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetricsF metrics(font);
    const qreal lineHeight = metrics.height();
    qreal top = (size.height() - lineHeight * lines.size()) / 2;
    for (const QString& line : lines) {
        // Letter spacing also follows the last letter; leave it out when centring.
        const qreal width = metrics.horizontalAdvance(line) - letterSpacing;
        const qreal left = (size.width() - width) / 2;
        painter.drawText(QPointF(left, top + metrics.ascent()), line);
        top += lineHeight;
    }
    return picture;
}
