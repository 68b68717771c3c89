#include "main_window/equation/equation_entry.h"

#include "core/equation_points.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/form1.h"
#include "main_window/widgets/enter_key.h"
#include "main_window/widgets/read_mark.h"
#include "words/bad_input.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include <array>

EquationEntry::EquationEntry(Form1* form, int line)
    : QObject(form)
    , form_(form)
    , line_(line)
    , box_(line == 1 ? form->txt_eqn1 : form->txt_eqn2)
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
    const auto points = core::exact::ChooseEndPoints(
        *reading, form_->txmin->text().toStdString(), form_->txmax->text().toStdString());
    if (!points) {
        read_mark::showProblem(
            box_, bad_input::lineMissesRange(form_->txmin->text(), form_->txmax->text()));
        return false;
    }

    const std::array<QLineEdit*, 4> fields = line_ == 1
        ? std::array { form_->t1, form_->t2, form_->t3, form_->t4 }
        : std::array { form_->t1_b, form_->t2_b, form_->t3_b, form_->t4_b };
    QStringList rounded;
    if (points->rounded) {
        rounded << typed.trimmed();
        for (const std::string& t : points->texts)
            rounded << QString::fromStdString(t);
    }
    // Set before the fields change, which the Exact values window follows.
    fields[0]->setProperty(ExactWindow::RoundedFrom, rounded);
    for (std::size_t k = 0; k < 4; ++k)
        fields[k]->setText(QString::fromStdString(points->texts[k]));
    form_->run(Form1::Command::BothLines, Form1::Run::Button);
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
