#include "main_window/equation/equation_entry.h"

#include "core/equation_points.h"
#include "main_window/widgets/edit_frame.h"
#include "main_window/widgets/enter_key.h"
#include "main_window/widgets/line_door.h"
#include "main_window/widgets/read_mark.h"
#include "words/bad_input.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTextLayout>
#include <QToolTip>

#include <cstddef>

namespace {

// No line of a tooltip is wider than this, in pixels, with the tip's frame.
constexpr int tipWidth = 400;
constexpr int tipFrame = 20; // the tip's margins and border, with room to spare

// `plain` as a tooltip's rich text in lines no wider than tipWidth: Qt sizes
// a rich tooltip by the screen, so its lines are broken here, in the tip's
// font, and kept as broken. Blanks are kept, as the box shows them.
QString narrowTip(const QString& plain)
{
    QStringList lines;
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, QToolTip::font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(tipWidth - tipFrame);
            QString text = paragraph.mid(line.textStart(), line.textLength());
            // A line broken after a blank does not show the blank.
            if (line.textStart() + line.textLength() < paragraph.size())
                while (text.endsWith(QLatin1Char(' ')))
                    text.chop(1);
            lines << text.toHtmlEscaped();
        }
        layout.endLayout();
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + lines.join(QStringLiteral("<br>"))
        + QStringLiteral("</p>");
}

} // namespace

EquationEntry::EquationEntry(LineDoor& door, QLineEdit* box, int line, QObject* parent)
    : QObject(parent)
    , door_(&door)
    , line_(line)
    , box_(box)
{
    setObjectName(QStringLiteral("equationEntry%1").arg(line));
    box_->installEventFilter(this);
    EditFrame::attach(box_);
    // What the box showed before the pupil's edit is the last text the
    // program gave it. A text the program sets leaves the box unmodified, a
    // pupil's edit marks it modified, even one that ends in the same text.
    shown_ = box_->text();
    connect(box_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!box_->isModified())
            shown_ = text;
    });
}

bool EquationEntry::enter()
{
    // The window's own text, untouched, is what the lines already are.
    if (!typedInto())
        return false;
    const QString typed = box_->text();
    const auto reading = core::exact::ReadEquation(typed.toStdString());
    if (!reading) {
        const core::Problem& problem = reading.problem();
        refuse(QString::fromStdString(problem.what));
        // The place the problem is about, selected, so the pupil sees it.
        box_->setSelection(static_cast<int>(problem.at), static_cast<int>(problem.length));
        return false;
    }
    const TypedBoxes boxes = door_->typedBoxes();
    const QLineEdit* const lowest = boxes[8];
    const QLineEdit* const highest = boxes[9];
    const auto points = core::exact::ChooseEndPoints(
        *reading, lowest->text().toStdString(), highest->text().toStdString());
    if (!points) {
        refuse(bad_input::lineMissesRange(lowest->text(), highest->text()));
        return false;
    }

    // The line's X1, Y1, X2 and Y2.
    const std::size_t first = line_ == 1 ? 0 : 4;
    QStringList rounded;
    if (points->rounded) {
        rounded << typed.trimmed();
        for (const std::string& t : points->texts)
            rounded << QString::fromStdString(t);
    }
    // Set before the fields change, which the Exact values window follows.
    boxes[first]->setProperty(roundedFromProperty, rounded);
    for (std::size_t k = 0; k < 4; ++k)
        boxes[first + k]->setText(QString::fromStdString(points->texts[k]));
    door_->run(LineDoor::Command::BothLines, LineDoor::Run::Button);
    // Read and drawn: the box is the window's again, whatever it shows.
    box_->setModified(false);
    shown_ = box_->text();
    box_->setCursorPosition(0);
    emit drawn();
    return true;
}

void EquationEntry::refuse(const QString& why)
{
    read_mark::showProblem(box_, why);
    showReason();
}

void EquationEntry::showReason()
{
    refused_ = true;
    QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())), narrowTip(tooltip()), box_);
}

void EquationEntry::escape()
{
    if (!typedInto())
        return;
    box_->setText(shown_);
    box_->setCursorPosition(0);
}

bool EquationEntry::typedInto() const
{
    // A command that rewrites the box, or Esc, leaves it unmodified.
    return box_->isModified();
}

QString EquationEntry::tooltip() const
{
    const QString own = box_->toolTip();
    return own.isEmpty() ? bad_input::equationHelp()
                         : own + QStringLiteral("\n\n") + bad_input::equationHelp();
}

bool EquationEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        QToolTip::showText(
            static_cast<QHelpEvent*>(event)->globalPos(), narrowTip(tooltip()), box_);
        return true;
    case QEvent::KeyRelease: {
        // A tooltip goes when a key is let go, the Enter that refused too:
        // the reason is shown again, to stay until the pupil moves on.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnterKey(key) && !key->isAutoRepeat() && refused_)
            showReason();
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnterKey(key)) {
            // One press is one reading, as one click of the button is.
            refused_ = false;
            if (!key->isAutoRepeat())
                enter();
            return true;
        }
        refused_ = false;
        if (key->key() == Qt::Key_Escape) {
            escape();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
