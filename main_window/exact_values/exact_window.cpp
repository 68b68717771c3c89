#include "main_window/exact_values/exact_window.h"

#include "main_window/widgets/tool_place.h"
#include "main_window/widgets/typed_boxes.h"
#include "main_window/widgets/word_wrap.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPointer<ExactWindow> openWindow;

} // namespace

ExactWindow::ExactWindow(QWidget* owner, const Fields& fields)
    : QWidget(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("ExactWindow"));
    setWindowTitle(tr("Exact values"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(500, 500);

    // Read-only text that the keyboard and the mouse can select and copy,
    // and that a screen reader reads as a document.
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("exactPage"));
    page_->setOpenLinks(false);
    page_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    page_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    page_->setUndoRedoEnabled(false); // the page is rewritten in place as the pupil types
    page_->setAccessibleName(tr("Exact values"));
    page_->setAccessibleDescription(
        tr("Both lines and their crossing as fractions, where the main window's "
           "decimal answers are rounded, and the working, step by step"));
    QFont font = page_->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    // Latin letters, digits and signs, laid out again on every keystroke: the
    // face's own glyphs and pair kerning show them as the full shaper does, to
    // a fraction of a pixel, at about half the cost of a changed line.
    font.setStyleStrategy(QFont::PreferNoShaping);
    page_->setFont(font);
    // Its lines run the window's way: the toolkit need not look through each
    // line it lays out for the direction of its letters.
    QTextOption option = page_->document()->defaultTextOption();
    option.setTextDirection(page_->layoutDirection());
    page_->document()->setDefaultTextOption(option);

    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("exactClose"));
    close_->setAccessibleDescription(tr("Closes the Exact values window"));
    close_->setAutoDefault(true);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    copyWorking_ = new QPushButton(tr("Copy the working"), this);
    copyWorking_->setObjectName(QStringLiteral("exactCopyWorking"));
    copyWorking_->setAccessibleDescription(tr("Copies the working as plain text, for any editor"));
    connect(copyWorking_, &QPushButton::clicked, this, &ExactWindow::copyTheWorking);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyWorking_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    layout->addLayout(buttons);

    // Edits that arrive together (a paste, a held key, an equation written
    // into four fields) are shown once, when the event loop is next free.
    pending_ = new QTimer(this);
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &ExactWindow::refresh);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        fields_[k] = fields[k];
        connect(fields[k], &QLineEdit::textChanged, this, &ExactWindow::fieldEdited);
    }
    refresh();
    page_->setFocus();
}

ExactWindow* ExactWindow::open(QWidget* owner, const Fields& fields, const InSight& keep)
{
    if (!openWindow) {
        openWindow = new ExactWindow(owner, fields);
        openWindow->place(owner, keep);
    }
    ExactWindow* window = openWindow;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ExactWindow* ExactWindow::instance()
{
    return openWindow;
}

QTextBrowser* ExactWindow::page()
{
    if (pending_->isActive())
        refresh();
    return page_;
}

void ExactWindow::fieldEdited()
{
    // Hidden or minimised, the window has nothing to show: it catches up when
    // shown again.
    if (isVisible() && !isMinimized())
        pending_->start();
    else
        shownHtml_.clear();
}

void ExactWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownHtml_.isEmpty())
        refresh();
}

void ExactWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && shownHtml_.isEmpty())
        refresh();
}

void ExactWindow::refresh()
{
    pending_->stop();
    const core::TypedFields typed = typedFieldsIn(fields_);
    // The main window notes on a line's X1 field the equation its end points
    // were rounded from, with the texts it wrote; edited since, they are the
    // pupil's own.
    std::array<QString, 2> roundedFrom;
    for (std::size_t line = 0; line < 2; ++line) {
        const QStringList note = fields_[4 * line]
            ? fields_[4 * line]->property(roundedFromProperty).toStringList()
            : QStringList();
        bool same = note.size() == 5;
        for (qsizetype k = 0; same && k < 4; ++k)
            same = fields_[4 * line + static_cast<std::size_t>(k)]
                && fields_[4 * line + static_cast<std::size_t>(k)]->text() == note[k + 1];
        if (same)
            roundedFrom[line] = note[0];
    }
    const QString html = text_.html(typed, roundedFrom);
    if (html == shownHtml_)
        return; // an edit that changes nothing on the page (a range field)
    shownHtml_ = html;
    // The widest numbers make fractions of thousands of digits. Breaking
    // them between words makes every line look for the end of the number
    // first, four times the work of breaking them anywhere.
    const bool read = blocks_.read(html);
    bool longWord = false;
    if (read) {
        longWord = blocks_.hasLongWord();
    } else {
        QTextDocument next;
        next.setHtml(html);
        longWord = word_wrap::longestWord(next.toPlainText()) > word_wrap::LongestWord;
    }
    const QTextOption::WrapMode mode
        = longWord ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    // Typing rewrites the text; where the reader was stays in view.
    const int scrolled = page_->verticalScrollBar()->value();
    // A page of such numbers is written whole: the toolkit then lays out at
    // once only what is in view, and the rest while the loop is idle, where
    // blocks rewritten in place are laid out whole at once.
    if (page_->wordWrapMode() != mode || mode == QTextOption::WrapAnywhere || !read
        || !blocks_.rewrite(*page_->document())) {
        page_->clear(); // the old text is not laid out again in a new mode
        page_->setWordWrapMode(mode);
        page_->setHtml(html);
        blocks_.writtenWhole(*page_->document());
    }
    page_->verticalScrollBar()->setValue(scrolled);
}

QString ExactWindow::pageHtml(
    const core::TypedFields& typed, const std::array<QString, 2>& roundedFrom)
{
    return PageText().html(typed, roundedFrom);
}

std::vector<core::WorkingStep> ExactWindow::working() const
{
    const core::TypedFields typed = typedFieldsIn(fields_);
    return core::WorkingFor(typed.line1, typed.line2);
}

void ExactWindow::copyTheWorking()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(core::WorkingText(working())));
}

namespace {

const QString placeKey = QStringLiteral("exactValues/place");

} // namespace

void ExactWindow::place(QWidget* owner, const InSight& keep)
{
    // Where the pupil last moved it, if that is still on a screen.
    const QRect moved = QSettings().value(placeKey).toRect();
    const QScreen* movedTo = moved.isValid() ? QGuiApplication::screenAt(moved.center()) : nullptr;
    if (movedTo && movedTo->availableGeometry().contains(moved)) {
        placed_ = moved;
    } else {
        // Else out of the way of the graph and the end-point fields, which
        // stay in sight while the pupil types. Its frame is taken to be as
        // wide as the owner's.
        const QRect frame = owner->frameGeometry();
        const QRect inner = owner->geometry();
        const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
            frame.right() - inner.right(), frame.bottom() - inner.bottom());
        const QScreen* screen = owner->screen();
        const auto onScreen
            = [owner](const QRect& r) { return QRect(owner->mapToGlobal(r.topLeft()), r.size()); };
        placed_ = outOfTheWay(screen ? screen->availableGeometry() : frame, frame,
            { onScreen(keep.fields), onScreen(keep.graph) }, size().grownBy(margins));
        placed_.setSize(placed_.size().shrunkBy(margins));
    }
    move(placed_.topLeft());
    resize(placed_.size());
}

void ExactWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Moved or sized by the pupil, it opens there next time.
    if (event->isAccepted() && QRect(pos(), size()) != placed_)
        QSettings().setValue(placeKey, QRect(pos(), size()));
    // Closed means gone: the next Open creates a new window even before this
    // one has been deleted.
    if (event->isAccepted() && openWindow == this)
        openWindow = nullptr;
}
