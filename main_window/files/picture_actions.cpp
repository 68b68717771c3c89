#include "main_window/files/picture_actions.h"

#include "graph/drawing_record.h"
#include "graph/graph_panel.h"
#include "graph/picture_file.h"
#include "graph/working_pages.h"
#include "main_window/files/saved_folder.h"
#include "trellan_version.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

namespace {

// The save dialog's filters, in the chosen language; the dialog hands back
// the one picked.
QString pngFilter()
{
    return PictureActions::tr("PNG picture (*.png)");
}

QString svgFilter()
{
    return PictureActions::tr("SVG drawing (*.svg)");
}

QString pdfFilter()
{
    return PictureActions::tr("PDF page (*.pdf)");
}

const QString marksKey = QStringLiteral("graph/endPointCoordinates");

QAction* makeAction(
    QWidget* owner, const QString& text, QKeySequence keys, Qt::ShortcutContext context)
{
    auto* action = new QAction(text, owner);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}

} // namespace

PictureActions::PictureActions(QWidget* window, graph::GraphPanel* panel, const PageBoxes& page)
    : QObject(window)
    , window_(window)
    , panel_(panel)
    , page_(page)
{
    askFileName = [window](const QString& proposed, QString* filter) {
        return QFileDialog::getSaveFileName(window, tr("Save picture as"), proposed,
            QStringList { pngFilter(), svgFilter(), pdfFilter() }.join(QStringLiteral(";;")),
            filter);
    };
    askPrinter = [window](QPrinter& printer) {
        QPrintDialog dialog(&printer, window);
        return dialog.exec() == QDialog::Accepted;
    };
    tell = [window](const QString& message) {
        QMessageBox::warning(window, window->windowTitle(), message);
    };
    // Copy belongs to the focused graph; the text boxes keep their own.
    copyAction = makeAction(panel, tr("&Copy picture"), QKeySequence::Copy, Qt::WidgetShortcut);
    saveAction
        = makeAction(window, tr("&Save picture as…"), QKeySequence::Save, Qt::WindowShortcut);
    printAction = makeAction(window, tr("&Print…"), QKeySequence::Print, Qt::WindowShortcut);
    previewAction = new QAction(tr("Print pre&view…"), this);
    connect(copyAction, &QAction::triggered, this, &PictureActions::copy);
    connect(saveAction, &QAction::triggered, this, &PictureActions::saveAs);
    connect(printAction, &QAction::triggered, this, &PictureActions::print);
    connect(previewAction, &QAction::triggered, this, &PictureActions::preview);
    marksAction = new QAction(tr("Show &end-point coordinates"), this);
    marksAction->setCheckable(true);
    marksAction->setChecked(QSettings().value(marksKey, false).toBool());
    panel->showPointMarks(marksAction->isChecked());
    connect(marksAction, &QAction::toggled, this, &PictureActions::showMarks);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this, &PictureActions::showMenu);
}

void PictureActions::showMenu(const QPoint& at)
{
    QMenu menu(panel_);
    menu.addAction(copyAction);
    menu.addAction(saveAction);
    menu.addSeparator();
    menu.addAction(printAction);
    menu.addAction(previewAction);
    menu.addSeparator();
    menu.addAction(marksAction);
    menu.exec(panel_->mapToGlobal(at));
}

void PictureActions::showMarks(bool shown)
{
    QSettings().setValue(marksKey, shown);
    panel_->showPointMarks(shown);
}

void PictureActions::copy()
{
    const graph::DrawingRecord& record = panel_->record();
    auto* data = new QMimeData;
    data->setImageData(record.image(panel_->devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"), record.svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

bool PictureActions::saveAs()
{
    QString filter = pngFilter();
    QString fileName
        = askFileName(saved_folder::proposedName(saved_folder::Kind::Picture), &filter);
    if (fileName.isEmpty())
        return false;
    // The extension decides; a name without one takes the filter's.
    std::optional<graph::PictureFormat> format = graph::pictureFormatOf(fileName);
    if (!format) {
        const QString extension = filter == svgFilter() ? u".svg"_qs
            : filter == pdfFilter()                     ? u".pdf"_qs
                                                        : u".png"_qs;
        fileName += extension;
        format = graph::pictureFormatOf(fileName);
    }
    saved_folder::remember(saved_folder::Kind::Picture, fileName);
    const words::FileWritten written
        = graph::writePicture(panel_->record(), fileName, *format, panel_->devicePixelRatioF());
    if (written)
        return true;
    tell(tr("The picture could not be saved to “%1”: %2").arg(fileName, *written.failure));
    return false;
}

bool PictureActions::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(printer))
        return false;
    printPage(printer);
    return true;
}

void PictureActions::preview()
{
    QPrintPreviewDialog dialog(window_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter* printer) { printPage(*printer); });
    dialog.exec();
}

void PictureActions::printPage(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal dpi = printer.resolution();
    QFont heading = painter.font();
    heading.setPointSizeF(16);
    heading.setBold(true);
    painter.setFont(heading);
    int y = 0;
    const QRect title(0, y, page.width(), painter.fontMetrics().height());
    painter.drawText(title, Qt::AlignLeft, QString::fromLatin1(trellan::version::productName));
    y += title.height() + int(dpi / 6);

    // The graph as wide as the page allows, keeping its shape, in at most
    // half of the page's height.
    const graph::DrawingRecord& record = panel_->record();
    const QSize panel = record.logicalSize();
    const qreal units
        = std::min(qreal(page.width()) / panel.width(), qreal(page.height()) / 2 / panel.height());
    painter.save();
    painter.translate(0, y);
    record.paint(painter, units);
    painter.restore();
    y += int(panel.height() * units) + int(dpi / 6);

    QFont body = painter.font();
    body.setPointSizeF(11);
    body.setBold(false);
    painter.setFont(body);
    const auto lineOf = [](const QString& name, const QLineEdit* eqn, const QLineEdit* x,
                            const QLineEdit* yAxis) {
        return tr("%1:%2    crosses the x-axis at %3, the y-axis at %4")
            .arg(name, eqn->text(), x->text(), yAxis->text());
    };
    QStringList lines {
        lineOf(tr("Line 1"), page_.equation[0], page_.xIntercept[0], page_.yIntercept[0]),
        lineOf(tr("Line 2"), page_.equation[1], page_.xIntercept[1], page_.yIntercept[1]),
        tr("Crossing point: %1").arg(page_.crossing->text()),
    };
    const QString report = page_.report->toPlainText();
    if (!report.isEmpty())
        lines << QString() << report;
    const QRect answers(0, y, page.width(), page.height() - y);
    const QString text = lines.join(u'\n');
    painter.drawText(answers, Qt::TextWordWrap, text);
    y += painter.boundingRect(answers, Qt::TextWordWrap, text).height();

    // The working below the answers, on further pages when it needs them.
    const core::TypedFields typed = typedFieldsIn(page_.typed);
    graph::paintWorking(painter, printer, QRect(0, 0, page.width(), page.height()), y,
        core::WorkingFor(typed.line1, typed.line2));
    painter.end();
}
