#include "main_window/files/report_file.h"

#include "main_window/files/saved_folder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSaveFile>

ReportFile::ReportFile(QPlainTextEdit* box)
    : QObject(box)
    , box_(box)
{
    QWidget* window = box->window();
    askFileName = [window](const QString& proposed) {
        return QFileDialog::getSaveFileName(
            window, tr("Save report as"), proposed, tr("Text files (*.txt);;All files (*)"));
    };
    askBeforeQuitting = [window] {
        return QMessageBox::question(window, window->windowTitle(),
            tr("Save the report before quitting?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    };
    tell = [window](const QString& message) {
        QMessageBox::warning(window, window->windowTitle(), message);
    };
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, &ReportFile::showMenu);
}

void ReportFile::showMenu(const QPoint& at)
{
    std::unique_ptr<QMenu> menu(box_->createStandardContextMenu(at));
    menu->addSeparator();
    menu->addAction(tr("Save report as…"), this, &ReportFile::saveAs);
    menu->exec(box_->viewport()->mapToGlobal(at));
}

words::FileWritten ReportFile::save(const QString& fileName)
{
    QSaveFile file(fileName);
    // Text mode writes each line break as the platform's line end.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return { file.errorString() };
    const QByteArray bytes = box_->toPlainText().toUtf8();
    const words::FileWritten written
        = words::finishWriting(file, file.write(bytes) == bytes.size());
    if (written)
        box_->document()->setModified(false);
    return written;
}

bool ReportFile::saveAs()
{
    QString fileName = askFileName(saved_folder::proposedName(saved_folder::Kind::Report));
    if (fileName.isEmpty())
        return false;
    // A name typed without an extension is still a text file.
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".txt");
    saved_folder::remember(saved_folder::Kind::Report, fileName);
    const words::FileWritten written = save(fileName);
    if (written)
        return true;
    tell(tr("The report could not be saved to “%1”: %2").arg(fileName, *written.failure));
    return false;
}

bool ReportFile::mayClose()
{
    if (box_->document()->isEmpty() || !box_->document()->isModified())
        return true;
    switch (askBeforeQuitting()) {
    case QMessageBox::Save:
        return saveAs();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
