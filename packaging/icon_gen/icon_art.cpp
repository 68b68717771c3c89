#include "icon_art.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <array>

// Everything is drawn in a unit square scaled to the icon's size.
namespace {

const QColor boardBlue(40, 80, 210);
const QColor boardEdge(16, 40, 130);
const QColor cornerYellow(255, 220, 0);
const QColor sheetWhite(255, 255, 255);
const QColor sheetEdge(150, 150, 150);
const QColor ruleBlue(150, 180, 230);
const QColor pencilYellow(255, 200, 0);
const QColor pencilFacet(225, 165, 0);
const QColor pencilEdge(120, 85, 0);
const QColor woodTan(240, 205, 150);
const QColor graphite(60, 60, 60);
const QColor ferruleGrey(190, 190, 200);
const QColor eraserPink(240, 130, 150);

// A one-pixel outline whatever the scale.
QPen outline(const QColor& colour)
{
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    return pen;
}

// The board's corners: top, right, bottom, left.
const std::array<QPointF, 4> boardCorners { { { 0.5, 0.02 }, { 0.98, 0.5 }, { 0.5, 0.98 },
    { 0.02, 0.5 } } };

void drawBoard(QPainter& painter)
{
    painter.setPen(outline(boardEdge));
    painter.setBrush(boardBlue);
    painter.drawPolygon(
        QPolygonF({ boardCorners[0], boardCorners[1], boardCorners[2], boardCorners[3] }));

    // Each corner is cut off by a yellow triangle reaching 30% along its edges.
    constexpr qreal reach = 0.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(cornerYellow);
    for (std::size_t i = 0; i < boardCorners.size(); ++i) {
        const QPointF corner = boardCorners[i];
        const QPointF next = boardCorners[(i + 1) % boardCorners.size()];
        const QPointF previous = boardCorners[(i + 3) % boardCorners.size()];
        painter.drawPolygon(QPolygonF(
            { corner, corner + (next - corner) * reach, corner + (previous - corner) * reach }));
    }
}

void drawSheet(QPainter& painter, int size)
{
    painter.save();
    painter.translate(0.46, 0.47);
    painter.rotate(-10);
    const QRectF sheet(-0.16, -0.2, 0.32, 0.4);
    painter.setPen(outline(sheetEdge));
    painter.setBrush(sheetWhite);
    painter.drawRect(sheet);
    // Ruled lines only where there are pixels enough to tell them apart.
    if (size >= 32) {
        painter.setPen(outline(ruleBlue));
        for (const qreal y : { -0.12, -0.04, 0.04, 0.12 })
            painter.drawLine(QPointF(-0.12, y), QPointF(0.12, y));
    }
    painter.restore();
}

void drawPencil(QPainter& painter, int size)
{
    // Along the pencil from its point (x = 0) to its end; y across it.
    constexpr qreal halfWidth = 0.065;
    constexpr qreal coneEnd = 0.14;
    constexpr qreal leadEnd = 0.045;
    constexpr qreal bodyEnd = 0.48;
    constexpr qreal ferruleEnd = 0.53;
    constexpr qreal eraserEnd = 0.58;

    painter.save();
    painter.translate(0.5, 0.52); // the point, on the sheet
    painter.rotate(45); // lying towards the lower right
    painter.setPen(outline(pencilEdge));

    painter.setBrush(pencilYellow);
    painter.drawRect(QRectF(coneEnd, -halfWidth, bodyEnd - coneEnd, 2 * halfWidth));
    if (size >= 48) {
        painter.setPen(outline(pencilFacet));
        for (const qreal y : { -halfWidth / 3, halfWidth / 3 })
            painter.drawLine(QPointF(coneEnd, y), QPointF(bodyEnd, y));
        painter.setPen(outline(pencilEdge));
    }
    painter.setBrush(ferruleGrey);
    painter.drawRect(QRectF(bodyEnd, -halfWidth, ferruleEnd - bodyEnd, 2 * halfWidth));
    painter.setBrush(eraserPink);
    painter.drawRect(QRectF(ferruleEnd, -halfWidth, eraserEnd - ferruleEnd, 2 * halfWidth));

    painter.setBrush(woodTan);
    painter.drawPolygon(
        QPolygonF({ QPointF(0, 0), QPointF(coneEnd, -halfWidth), QPointF(coneEnd, halfWidth) }));
    const qreal leadHalfWidth = halfWidth * leadEnd / coneEnd;
    painter.setPen(Qt::NoPen);
    painter.setBrush(graphite);
    painter.drawPolygon(QPolygonF(
        { QPointF(0, 0), QPointF(leadEnd, -leadHalfWidth), QPointF(leadEnd, leadHalfWidth) }));
    painter.restore();
}

} // namespace

QImage paintTrellanIcon(int size, bool smooth)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.scale(size, size);
    drawBoard(painter);
    drawSheet(painter, size);
    drawPencil(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
