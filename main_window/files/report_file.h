#pragma once

#include "words/file_written.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>

class QPlainTextEdit;
class QPoint;
class QWidget;

// The results box is the user's work: its context menu saves it as a text
// file, and the window asks before a report that was never saved is lost.
class ReportFile : public QObject {
    Q_OBJECT

public:
    explicit ReportFile(QPlainTextEdit* box);

    // Asks for a file name and writes the report there. False when the user
    // cancelled or the file could not be written (which is then said).
    bool saveAs();

    // Writes the report to the file through QSaveFile, as UTF-8 with the
    // platform's line ends. Once written, the box counts as saved.
    words::FileWritten save(const QString& fileName);

    // Whether the window may close: true at once when the box is empty or
    // saved since its last change; otherwise after the user saved the report
    // or chose to discard it.
    bool mayClose();

    // What the dialogs would ask, replaceable so that tests can answer:
    // the file to save into (empty for cancel), proposed by name, the answer to "Save the
    // report before quitting?" and the failure message.
    std::function<QString(const QString& proposed)> askFileName;
    std::function<QMessageBox::StandardButton()> askBeforeQuitting;
    std::function<void(const QString& message)> tell;

private:
    void showMenu(const QPoint& at);

    QPlainTextEdit* box_;
};
