#include "main_window/widgets/result_box.h"

#include "main_window/widgets/short_numbers.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace result_box {

namespace {

// A line edit keeps this many pixels clear on each side of its text, and
// one above and below it.
constexpr int lineEditMargin = 2;
constexpr int lineEditTopMargin = 1;

QString tooltip(bool cut, const QString& text, const QString& exact)
{
    if (!cut)
        return exact;
    if (exact.isEmpty())
        return text;
    return text + u'\n' + exact;
}

// The option a line edit paints its panel with.
QStyleOptionFrame frameOption(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth = box->hasFrame()
        ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
        : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (box->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}

// Where a line edit clips its text.
QRect textArea(const QLineEdit* box)
{
    const QStyleOptionFrame option = frameOption(box);
    return box->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, box)
        .marginsRemoved(box->textMargins());
}

int textWidth(const QLineEdit* box)
{
    return textArea(box).width() - 2 * lineEditMargin;
}

// Paints `shown` where and as the box would paint it as its own text.
void paintInstead(QLineEdit* box, const QString& shown)
{
    QPainter painter(box);
    const QStyleOptionFrame panel = frameOption(box);
    box->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, box);
    const QRect area = textArea(box);
    painter.setClipRect(area);
    const QFontMetrics metrics = box->fontMetrics();
    const QRect line(area.x() + lineEditMargin, area.y() + lineEditTopMargin,
        area.width() - 2 * lineEditMargin, metrics.height());
    const int leftBearing = std::max(0, -metrics.minLeftBearing());
    const int used = qRound(QFontMetricsF(box->font()).horizontalAdvance(shown)) + 1
        + std::max(0, -metrics.minRightBearing());
    int scroll = 0;
    if (leftBearing + used <= line.width()) {
        const Qt::Alignment horizontal
            = QStyle::visualAlignment(box->layoutDirection(), box->alignment())
            & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignRight)
            scroll = used - line.width() + 1;
        else if (horizontal & Qt::AlignHCenter)
            scroll = (used - line.width()) / 2;
        scroll -= leftBearing;
    }
    painter.setPen(box->palette().color(QPalette::Text));
    painter.drawText(QPoint(line.x() - scroll, line.y() + metrics.ascent()), shown);
}

void paintInstead(QLabel* label, const QString& shown)
{
    QPainter painter(label);
    label->style()->drawItemText(&painter, label->contentsRect(),
        int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())),
        label->palette(), label->isEnabled(), shown, label->foregroundRole());
}

// Paints in place of the widget while it shows a shortened text.
template <typename W> class Shortener : public QObject {
public:
    explicit Shortener(W* target)
        : QObject(target)
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* target = static_cast<W*>(watched);
        const QString text = shown(target);
        if (text == target->text())
            return false;
        paintInstead(target, text);
        return true;
    }
};

} // namespace

bool fits(const QLineEdit* box, const QString& text)
{
    return box->fontMetrics().horizontalAdvance(text) <= textWidth(box);
}

void show(QLineEdit* box, const QString& text, const QString& exact)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(tooltip(!fits(box, text), text, exact));
}

void describe(QLabel* label, const QString& exact)
{
    const QString text = label->text();
    const bool cut = label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width();
    label->setToolTip(tooltip(cut, text, exact));
}

void shortenWhenCut(QLineEdit* box)
{
    new Shortener<QLineEdit>(box);
}

void shortenWhenCut(QLabel* label)
{
    new Shortener<QLabel>(label);
}

QString shown(const QLineEdit* box)
{
    if (box->hasFocus())
        return box->text();
    const QFontMetrics metrics = box->fontMetrics();
    return short_numbers::fit(box->text(), textWidth(box),
        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

QString shown(const QLabel* label)
{
    const QFontMetrics metrics = label->fontMetrics();
    return short_numbers::fit(label->text(), label->contentsRect().width(),
        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

} // namespace result_box
