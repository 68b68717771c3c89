#include "main_window/widgets/read_mark.h"

#include "words/bad_input.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace read_mark {

namespace {

constexpr int side = 6; // the triangle's sides, in pixels

// The triangle, drawn over its field's corner after the field itself.
class Mark : public QWidget {
public:
    explicit Mark(QLineEdit* field)
        : QWidget(field)
    {
        setObjectName(QStringLiteral("readMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        connect(field, &QLineEdit::textChanged, this, [this, field] { hideOn(field); });
    }

    // Shows `tip`, with the mark or without it, keeping the tooltip it
    // covers for later.
    void showWith(QLineEdit* field, const QString& tip, bool marked = true)
    {
        if (!saying_)
            tipBefore_ = field->toolTip();
        saying_ = true;
        place();
        setVisible(marked);
        if (marked)
            raise();
        field->setToolTip(tip);
    }

    void hideOn(QLineEdit* field)
    {
        hide();
        if (saying_)
            field->setToolTip(tipBefore_);
        saying_ = false;
    }

    bool saying() const { return saying_; }

    // In the top corner away from where the text starts.
    void place()
    {
        const auto* field = static_cast<const QLineEdit*>(parentWidget());
        right_ = !(field->alignment() & Qt::AlignRight);
        setGeometry(right_ ? field->width() - side : 0, 0, side, side);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath corner;
        corner.moveTo(0, 0);
        corner.lineTo(side, 0);
        corner.lineTo(right_ ? side : 0, side);
        corner.closeSubpath();
        p.fillPath(corner, QColor(230, 110, 0));
    }

private:
    bool saying_ = false; // the field's tooltip is the mark's
    bool right_ = true;
    QString tipBefore_;
};

Mark* markOf(const QLineEdit* field)
{
    // Only this file gives a child of a field that name.
    return static_cast<Mark*>(
        field->findChild<QWidget*>(QStringLiteral("readMark"), Qt::FindDirectChildrenOnly));
}

} // namespace

void showHowRead(QLineEdit* field)
{
    // A fraction or a mixed number is read as meant: said, but not marked.
    const std::optional<QString> written = bad_input::readAsWritten(field->text());
    const std::optional<QString> read = written ? written : bad_input::howRead(field->text());
    Mark* mark = markOf(field);
    if (!read) {
        if (mark && mark->saying())
            mark->hideOn(field);
        return;
    }
    if (!mark)
        mark = new Mark(field);
    mark->showWith(field, *read, !written);
}

void showProblem(QLineEdit* field, const QString& why)
{
    Mark* mark = markOf(field);
    if (!mark)
        mark = new Mark(field);
    mark->showWith(field, why);
}

bool isMarked(const QLineEdit* field)
{
    const Mark* mark = markOf(field);
    return mark && !mark->isHidden();
}

} // namespace read_mark
