#include "main_window/files/picture_actions.h"

#include "graph/drawing_record.h"
#include "graph/graph_panel.h"
#include "graph/picture_file.h"
#include "graph/working_pages.h"
#include "main_window/files/saved_folder.h"
#include "main_window/form1.h"
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

#include <array>

namespace {

const QString pngFilter = QStringLiteral("PNG picture (*.png)");
const QString svgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString pdfFilter = QStringLiteral("PDF page (*.pdf)");
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

PictureActions::PictureActions(Form1* form)
    : QObject(form)
    , form_(form)
{
    askFileName = [form](const QString& proposed, QString* filter) {
        return QFileDialog::getSaveFileName(form, tr("Save picture as"), proposed,
            QStringList { pngFilter, svgFilter, pdfFilter }.join(QStringLiteral(";;")), filter);
    };
    askPrinter = [form](QPrinter& printer) {
        QPrintDialog dialog(&printer, form);
        return dialog.exec() == QDialog::Accepted;
    };
    tell = [form](const QString& message) {
        QMessageBox::warning(form, form->windowTitle(), message);
    };
    // Copy belongs to the focused graph; the text boxes keep their own.
    copyAction = makeAction(form->p1, tr("&Copy picture"), QKeySequence::Copy, Qt::WidgetShortcut);
    saveAction = makeAction(form, tr("&Save picture as…"), QKeySequence::Save, Qt::WindowShortcut);
    printAction = makeAction(form, tr("&Print…"), QKeySequence::Print, Qt::WindowShortcut);
    previewAction = new QAction(tr("Print pre&view…"), this);
    connect(copyAction, &QAction::triggered, this, &PictureActions::copy);
    connect(saveAction, &QAction::triggered, this, &PictureActions::saveAs);
    connect(printAction, &QAction::triggered, this, &PictureActions::print);
    connect(previewAction, &QAction::triggered, this, &PictureActions::preview);
    marksAction = new QAction(tr("Show &end-point coordinates"), this);
    marksAction->setCheckable(true);
    marksAction->setChecked(QSettings().value(marksKey, false).toBool());
    form->p1->showPointMarks(marksAction->isChecked());
    connect(marksAction, &QAction::toggled, this, &PictureActions::showMarks);
    form->p1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form->p1, &QWidget::customContextMenuRequested, this, &PictureActions::showMenu);
}

void PictureActions::showMenu(const QPoint& at)
{
    QMenu menu(form_->p1);
    menu.addAction(copyAction);
    menu.addAction(saveAction);
    menu.addSeparator();
    menu.addAction(printAction);
    menu.addAction(previewAction);
    menu.addSeparator();
    menu.addAction(marksAction);
    menu.exec(form_->p1->mapToGlobal(at));
}

void PictureActions::showMarks(bool shown)
{
    QSettings().setValue(marksKey, shown);
    form_->p1->showPointMarks(shown);
}

void PictureActions::copy()
{
    const graph::DrawingRecord& record = form_->p1->record();
    auto* data = new QMimeData;
    data->setImageData(record.image(form_->p1->devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"), record.svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

bool PictureActions::saveAs()
{
    QString filter = pngFilter;
    QString fileName = askFileName(savedFolder::proposedName(savedFolder::Kind::Picture), &filter);
    if (fileName.isEmpty())
        return false;
    // The extension decides; a name without one takes the filter's.
    std::optional<graph::PictureFormat> format = graph::pictureFormatOf(fileName);
    if (!format) {
        const QString extension = filter == svgFilter ? u".svg"_qs
            : filter == pdfFilter                     ? u".pdf"_qs
                                                      : u".png"_qs;
        fileName += extension;
        format = graph::pictureFormatOf(fileName);
    }
    savedFolder::remember(savedFolder::Kind::Picture, fileName);
    const words::FileWritten written = graph::writePicture(
        form_->p1->record(), fileName, *format, form_->p1->devicePixelRatioF());
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
    QPrintPreviewDialog dialog(form_);
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
    const graph::DrawingRecord& record = form_->p1->record();
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
        lineOf(tr("Line 1"), form_->txt_eqn1, form_->txt_l1xint, form_->txt_l1yint),
        lineOf(tr("Line 2"), form_->txt_eqn2, form_->txt_l2xint, form_->txt_l2yint),
        tr("Crossing point: %1").arg(form_->lblAns->text()),
    };
    const QString report = form_->txt_results->toPlainText();
    if (!report.isEmpty())
        lines << QString() << report;
    const QRect answers(0, y, page.width(), page.height() - y);
    const QString text = lines.join(u'\n');
    painter.drawText(answers, Qt::TextWordWrap, text);
    y += painter.boundingRect(answers, Qt::TextWordWrap, text).height();

    // The working below the answers, on further pages when it needs them.
    std::array<std::string, 4> line1, line2;
    const std::array<const QLineEdit*, 4> one { form_->t1, form_->t2, form_->t3, form_->t4 };
    const std::array<const QLineEdit*, 4> two { form_->t1_b, form_->t2_b, form_->t3_b,
        form_->t4_b };
    for (std::size_t k = 0; k < 4; ++k) {
        line1[k] = one[k]->text().toStdString();
        line2[k] = two[k]->text().toStdString();
    }
    graph::paintWorking(painter, printer, QRect(0, 0, page.width(), page.height()), y,
        core::WorkingFor(line1, line2));
    painter.end();
}
