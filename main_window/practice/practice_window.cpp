#include "main_window/practice/practice_window.h"

#include "graph/graph_panel.h"
#include "look/graph_place.h"
#include "main_window/widgets/beside_owner.h"
#include "main_window/widgets/working_section.h"
#include "words/language.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

using core::practice::Mark;
using core::practice::Question;
using core::practice::Sitting;

namespace {

QPointer<PracticeWindow> openWindow;

struct AnswerField {
    const char* name;
    const char* accessibleName;
};

// In the order of core::practice::questions.
constexpr std::array<AnswerField, Sitting::questionCount> answerFields { {
    { "answer_slope1", QT_TRANSLATE_NOOP("PracticeWindow", "Slope of line one") },
    { "answer_yint1", QT_TRANSLATE_NOOP("PracticeWindow", "y-intercept of line one") },
    { "answer_eqn1", QT_TRANSLATE_NOOP("PracticeWindow", "Equation of line one") },
    { "answer_slope2", QT_TRANSLATE_NOOP("PracticeWindow", "Slope of line two") },
    { "answer_yint2", QT_TRANSLATE_NOOP("PracticeWindow", "y-intercept of line two") },
    { "answer_eqn2", QT_TRANSLATE_NOOP("PracticeWindow", "Equation of line two") },
    { "answer_crossing", QT_TRANSLATE_NOOP("PracticeWindow", "Where the lines cross") },
} };

constexpr std::array<const char*, 3> levelNames {
    QT_TRANSLATE_NOOP("PracticeWindow", "1: whole-number slopes"),
    QT_TRANSLATE_NOOP("PracticeWindow", "2: fractional slopes"),
    QT_TRANSLATE_NOOP("PracticeWindow", "3: parallel, perpendicular, vertical and more"),
};

QString said(const char* text)
{
    return words::translate("PracticeWindow", text);
}

// Right and wrong differ in shape as well as colour; a text not read is
// neither, so it is neither green nor red.
const QColor rightColour(0, 128, 0), wrongColour(192, 0, 0), notReadColour(0, 90, 160);

QString pupilText(const std::string& plain)
{
    return QString::fromStdString(core::PupilText(plain)).toHtmlEscaped();
}

// Advice as a sentence of the window: "write 2.5 with a point" begins with
// a capital.
QString sentence(const std::string& advice)
{
    QString text = QString::fromStdString(advice);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A paragraph of the hints and working; `text` is HTML.
QString paragraph(const QString& text)
{
    return QStringLiteral("<p>") + text + QStringLiteral("</p>");
}

} // namespace

PracticeWindow* PracticeWindow::open(
    QWidget* owner, std::optional<int> level, std::optional<std::uint64_t> seed)
{
    if (!openWindow) {
        const int chosen = level.value_or(QSettings().value(levelKey, core::LowestLevel).toInt());
        // A new sitting each time unless a seed asks for one made before; the
        // window shows its seed, so that it can be made again.
        openWindow = new PracticeWindow(
            owner, chosen, seed.value_or(QRandomGenerator::global()->bounded(1000000u)));
        const QScreen* screen = owner->screen();
        openWindow->move(besideOwner(owner->frameGeometry(), openWindow->sizeHint(),
            screen ? screen->availableGeometry() : owner->frameGeometry()));
    }
    PracticeWindow* window = openWindow;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

PracticeWindow* PracticeWindow::instance()
{
    return openWindow;
}

PracticeWindow::PracticeWindow(QWidget* owner, int level, std::uint64_t seed)
    : QWidget(owner, Qt::Window)
    , sitting_(std::make_unique<Sitting>(level, seed))
{
    setObjectName(QStringLiteral("practice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Practice"));
    createControls();
    showExercise();
    answers_[0]->setFocus();
}

void PracticeWindow::createControls()
{
    exercise_ = new QLabel(this);
    exercise_->setObjectName(QStringLiteral("exercise"));
    exercise_->setWordWrap(true);
    // A Tab stop, so that a screen reader's user can hear it again.
    exercise_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont larger = exercise_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.2);
    exercise_->setFont(larger);

    graph_ = new graph::GraphPanel(this);
    graph_->setObjectName(QStringLiteral("practice_graph"));
    // The main window's graph in little: its shape, its face.
    graph_->setFixedSize(360, 332);
    graph_->setFont(look::mainWindowFont());
    graph_->setFocusPolicy(Qt::NoFocus);
    graph_->setAccessibleName(tr("Graph of the two lines"));

    auto* answers = new QGridLayout;
    answers->setHorizontalSpacing(6);
    answers->setVerticalSpacing(8);
    const auto heading = [&](const QString& text, int column) {
        answers->addWidget(new QLabel(text, this), 0, column, Qt::AlignBottom);
    };
    heading(tr("Slope m"), 1);
    heading(tr("y-intercept b"), 3);
    heading(tr("Equation"), 5);
    answers->addWidget(new QLabel(tr("Line one"), this), 1, 0);
    answers->addWidget(new QLabel(tr("Line two"), this), 2, 0);
    answers->addWidget(new QLabel(tr("Crossing"), this), 3, 0);

    crossing_ = new QComboBox(this);
    crossing_->setEditable(true);
    crossing_->setInsertPolicy(QComboBox::NoInsert);
    // The words the crossing's answer takes in the chosen language.
    crossing_->addItems({ QString(), tr("parallel", "the crossing's answer for parallel lines"),
        tr("the same line", "the crossing's answer for two lines that are one") });
    for (std::size_t q = 0; q < answerFields.size(); ++q) {
        const AnswerField& field = answerFields[q];
        const bool crossing = core::practice::questions[q] == Question::Crossing;
        QLineEdit* edit = crossing ? crossing_->lineEdit() : new QLineEdit(this);
        QWidget* control = crossing ? static_cast<QWidget*>(crossing_) : edit;
        control->setObjectName(QString::fromLatin1(field.name));
        control->setAccessibleName(said(field.accessibleName));
        edit->setAccessibleName(said(field.accessibleName));
        edit->setMinimumWidth(crossing ? 240 : q % 3 == 2 ? 150 : 70);
        answers_[q] = edit;
        auto* mark = new QLabel(this);
        mark->setMinimumWidth(18);
        marks_[q] = mark;
        const int row = crossing ? 3 : 1 + static_cast<int>(q / 3);
        const int column = crossing ? 1 : 1 + 2 * static_cast<int>(q % 3);
        answers->addWidget(control, row, column, 1, crossing ? 3 : 1);
        answers->addWidget(mark, row, crossing ? 4 : column + 1);
        // An answer changed since its check is neither right nor wrong.
        // Also when the crossing's list puts a word in the field.
        // The crossing's list may complete "Parallel" to "parallel" as Enter
        // checks it: the same answer in another case keeps its mark, so that
        // the marks and the score agree.
        connect(edit, &QLineEdit::textChanged, this, [this, q](const QString& text) {
            if (text.simplified().compare(checked_[q].simplified(), Qt::CaseInsensitive) != 0)
                markField(q, Mark::Empty);
        });
        connect(edit, &QLineEdit::returnPressed, this, &PracticeWindow::check);
    }
    // No placeholder or tooltip in the fields: a screen reader speaks either
    // where the mark's description is empty. What the crossing takes is said
    // beside it.
    auto* crossingForms = new QLabel(tr("a point (x, y), parallel or the same line"), this);
    QPalette muted = crossingForms->palette();
    muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText).darker(130));
    crossingForms->setPalette(muted);
    answers->addWidget(crossingForms, 3, 5, 1, 2);
    auto* verticalWords
        = new QLabel(tr("A vertical line: its slope is undefined, its y-intercept none "
                        "(all for x = 0)."),
            this);
    verticalWords->setPalette(muted);
    answers->addWidget(verticalWords, 4, 1, 1, 6);
    answers->setColumnStretch(5, 1);
    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("place"));

    check_ = new QPushButton(tr("&Check"), this);
    check_->setObjectName(QStringLiteral("check"));
    check_->setToolTip(tr("Mark each answer right or wrong (Enter)"));
    showWorking_ = new QPushButton(tr("Show &working"), this);
    showWorking_->setObjectName(QStringLiteral("show_working"));
    next_ = new QPushButton(tr("&Next"), this);
    next_->setObjectName(QStringLiteral("next"));
    next_->setToolTip(tr("A new exercise"));
    showInMain_ = new QPushButton(tr("Show in &main window"), this);
    showInMain_->setObjectName(QStringLiteral("show_in_main_window"));
    showInMain_->setToolTip(tr("Type the exercise's end points into the main "
                               "window and draw both lines"));
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("level"));
    for (const char* name : levelNames)
        level_->addItem(said(name));
    level_->setCurrentIndex(sitting_->level() - core::LowestLevel);
    auto* levelLabel = new QLabel(tr("&Level:"), this);
    levelLabel->setBuddy(level_);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("score"));
    score_->setToolTip(tr("Each answer counts once, at its first check; once Show "
                          "working has shown the answers, they count no more"));
    score_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // An accidental turn of the wheel over it would throw the answers away.
    level_->setFocusPolicy(Qt::StrongFocus);
    level_->installEventFilter(this);

    working_ = new QTextBrowser(this);
    working_->setObjectName(QStringLiteral("working"));
    working_->setAccessibleName(tr("Hints and working"));
    working_->setMinimumHeight(190);
    working_->setOpenLinks(false);

    // Beside the graph: the answers, the commands under them, then the
    // sitting's level, score and place.
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { check_, showWorking_, next_, showInMain_ })
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(level_);
    levelRow->addStretch(1);
    levelRow->addWidget(score_);
    auto* side = new QVBoxLayout;
    side->addLayout(answers);
    side->addSpacing(12);
    side->addLayout(buttons);
    side->addSpacing(12);
    side->addLayout(levelRow);
    side->addStretch(1);
    side->addWidget(place_);
    auto* top = new QHBoxLayout;
    top->addWidget(graph_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(side, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(exercise_);
    layout->addLayout(top);
    layout->addWidget(working_, 1);

    // The keyboard walks the answers as they are read, then the commands.
    QWidget* before = exercise_;
    for (QWidget* w : std::initializer_list<QWidget*> { answers_[0], answers_[1], answers_[2],
             answers_[3], answers_[4], answers_[5], crossing_, check_, showWorking_, next_,
             showInMain_, level_, score_, working_ }) {
        setTabOrder(before, w);
        before = w;
    }

    connect(check_, &QPushButton::clicked, this, &PracticeWindow::check);
    connect(showWorking_, &QPushButton::clicked, this, &PracticeWindow::showWorking);
    connect(next_, &QPushButton::clicked, this, &PracticeWindow::next);
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        const std::array<std::string, 8> t = core::ExerciseTexts(sitting_->exercise());
        std::array<QString, 8> texts;
        std::transform(t.begin(), t.end(), texts.begin(), &QString::fromStdString);
        emit showInMainWindow(texts);
    });
    connect(level_, &QComboBox::activated, this, &PracticeWindow::chooseLevel);
}

void PracticeWindow::showExercise()
{
    const QString sentence
        = QString::fromStdString(core::ExerciseSentence(sitting_->exercise())) + u'.';
    exercise_->setText(sentence);
    // What a screen reader says as the window comes up.
    setAccessibleDescription(sentence);
    for (std::size_t q = 0; q < answers_.size(); ++q) {
        checked_[q].clear();
        answers_[q]->clear();
        markField(q, Mark::Empty);
    }
    working_->clear();
    place_->setText(tr("Exercise %1 at level %2, seed %3")
                        .arg(sitting_->number())
                        .arg(sitting_->level())
                        .arg(sitting_->seed()));
    place_->setToolTip(tr("trellan --practice --level %1 --seed %2 starts this sitting again")
                           .arg(sitting_->level())
                           .arg(sitting_->seed()));
    showScore();

    graph_->Cls();
    graph_->drawOutcome(sitting_->solution().drawn, graph::EndNumbers::Shown);
}

void PracticeWindow::check()
{
    Sitting::TypedAnswers typed;
    for (std::size_t q = 0; q < answers_.size(); ++q)
        typed[q] = answerText(q).toStdString();
    const Sitting::Marks marks = sitting_->check(typed);
    int right = 0, wrong = 0, notRead = 0;
    for (std::size_t q = 0; q < marks.size(); ++q) {
        checked_[q] = QString::fromStdString(typed[q]);
        markField(q, marks[q]);
        right += marks[q] == Mark::Right ? 1 : 0;
        wrong += marks[q] == Mark::Wrong ? 1 : 0;
        notRead += marks[q] == Mark::NotRead ? 1 : 0;
    }
    showScore();

    QString html;
    // What could not be read comes first: it says how to write the answer,
    // and counts neither way.
    for (std::size_t q = 0; q < marks.size(); ++q)
        if (marks[q] == Mark::NotRead)
            html
                += QStringLiteral("<p>%1</p>")
                       .arg(tr("%1: not read. %2.")
                                .arg(QStringLiteral("<b>%1</b>")
                                         .arg(said(answerFields[q].accessibleName).toHtmlEscaped()),
                                    sentence(sitting_->advice(core::practice::questions[q]))
                                        .toHtmlEscaped()));
    if (right + wrong + notRead == 0)
        html = paragraph(tr("Type an answer into a field, then Check."));
    else if (right == static_cast<int>(marks.size()))
        html = paragraph(tr("Every answer is right. Next makes a new exercise."));
    else if (wrong == 0 && right > 0)
        html += paragraph(tr("%1 right so far in this exercise.").arg(right));
    else if (wrong > 0)
        html += paragraph(tr("%1 right, %2 wrong in this exercise. A step of the working "
                             "for each wrong answer; another try earns the next step.")
                              .arg(right)
                              .arg(wrong));
    for (const Question question : core::practice::questions) {
        const Sitting::Hint hint = sitting_->hint(question);
        if (hint.lines.empty())
            continue;
        html += QStringLiteral("<p><b>%1</b>").arg(pupilText(hint.heading));
        for (const std::string& line : hint.lines)
            html += QStringLiteral("<br>&nbsp;&nbsp;%1").arg(pupilText(line));
        html += QStringLiteral("</p>");
    }
    working_->setHtml(html);
}

void PracticeWindow::showWorking()
{
    sitting_->workingShown();
    working_->setHtml(working_section::html(sitting_->working()));
}

void PracticeWindow::next()
{
    sitting_->next();
    showExercise();
    answers_[0]->setFocus();
}

void PracticeWindow::chooseLevel(int index)
{
    const int level = core::LowestLevel + index;
    QSettings().setValue(levelKey, level);
    if (level == sitting_->level())
        return;
    sitting_->setLevel(level);
    showExercise();
    working_->setHtml(paragraph(
        tr("Level %1: a fresh start. The exercises and the score begin again.").arg(level)));
}

void PracticeWindow::showScore()
{
    score_->setText(sitting_->counted() == 0
            ? tr("No answers checked yet")
            : tr("%1 of %2 right").arg(sitting_->right()).arg(sitting_->counted()));
}

void PracticeWindow::markField(std::size_t question, Mark mark)
{
    QLineEdit* edit = answers_[question];
    QWidget* control = core::practice::questions[question] == Question::Crossing
        ? static_cast<QWidget*>(crossing_)
        : edit;
    const Question asked = core::practice::questions[question];
    // What a screen reader says of the answer.
    const QString word = mark == Mark::Right ? tr("right")
        : mark == Mark::Wrong                ? tr("wrong")
        : mark == Mark::NotRead              ? tr("not read")
                                             : QString();
    control->setAccessibleDescription(word);
    edit->setAccessibleDescription(word);
    QLabel* label = marks_[question];
    label->setText(mark == Mark::Right ? QStringLiteral("\u2714")
            : mark == Mark::Wrong      ? QStringLiteral("\u2718")
            : mark == Mark::NotRead    ? QStringLiteral("?")
                                       : QString());
    label->setAccessibleName(word);
    // A wrong answer's tip names the step of the working to look at; one not
    // read says how to write it.
    QString tip = word;
    if (mark == Mark::Wrong)
        if (const core::WorkingStep* step = sitting_->step(asked))
            tip = tr("Wrong: look at the step \u201C%1\u201D of the working")
                      .arg(QString::fromStdString(core::PupilText(step->heading)));
    if (mark == Mark::NotRead)
        tip = tr("Not read: %1").arg(QString::fromStdString(sitting_->advice(asked)));
    label->setToolTip(tip);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
        mark == Mark::Right         ? rightColour
            : mark == Mark::NotRead ? notReadColour
                                    : wrongColour);
    label->setPalette(palette);
}

QString PracticeWindow::answerText(std::size_t question) const
{
    return answers_[question]->text();
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == level_ && event->type() == QEvent::Wheel && !level_->hasFocus())
        return true;
    return QWidget::eventFilter(watched, event);
}

void PracticeWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
