#include "main_window/equation/equation_entry.h"

#include "core/equation_points.h"
#include "main_window/widgets/enter_key.h"
#include "main_window/widgets/line_door.h"
#include "main_window/widgets/read_mark.h"
#include "words/bad_input.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include <cstddef>

EquationEntry::EquationEntry(LineDoor& door, QLineEdit* box, int line, QObject* parent)
    : QObject(parent)
    , door_(&door)
    , line_(line)
    , box_(box)
{
    setObjectName(QStringLiteral("equationEntry%1").arg(line));
    box_->installEventFilter(this);
    // The text before the pupil's first edit is the one Esc puts back. Each
    // text is kept until the next, whichever of the two signals of an edit
    // comes first.
    connect(box_, &QLineEdit::textChanged, this, [this](const QString& text) {
        previous_ = current_;
        current_ = text;
    });
    connect(box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!editing_)
            before_ = current_ == text ? previous_ : current_;
        editing_ = true;
    });
}

bool EquationEntry::enter()
{
    // The window's own text, untouched, is what the lines already are.
    if (!editing_)
        return false;
    const QString typed = box_->text();
    const auto reading = core::exact::ReadEquation(typed.toStdString());
    if (!reading) {
        const core::Problem& problem = reading.problem();
        read_mark::showProblem(box_, QString::fromStdString(problem.what));
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
        read_mark::showProblem(box_, bad_input::lineMissesRange(lowest->text(), highest->text()));
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
    editing_ = false;
    box_->setCursorPosition(0);
    return true;
}

void EquationEntry::escape()
{
    if (!editing_)
        return;
    editing_ = false;
    box_->setText(before_);
    box_->setCursorPosition(0);
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
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tooltip(), box_);
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnterKey(key)) {
            // One press is one reading, as one click of the button is.
            if (!key->isAutoRepeat())
                enter();
            return true;
        }
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
