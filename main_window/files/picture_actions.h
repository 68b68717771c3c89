#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Form1;
class QAction;
class QPoint;
class QPrinter;

// The graph's picture leaves the window: the graph's context menu (right
// button, or the Menu key while the graph has focus) copies it, saves it as
// PNG, SVG or PDF, and prints it on a page with the window's answers.
class PictureActions : public QObject {
    Q_OBJECT

public:
    explicit PictureActions(Form1* form);

    // Puts the picture on the clipboard as an image and as SVG.
    void copy();

    // Asks for a file and writes the picture there, in the format its filter
    // or extension names. False when cancelled or when it failed (said).
    bool saveAs();

    // Asks for a printer and prints the page; cancelling prints nothing.
    bool print();
    void preview();

    // The page: the product's name, the graph at the page's resolution, both
    // equations, their axis crossings, the crossing point and the report.
    void printPage(QPrinter& printer) const;

    // The dialogs, replaceable so that tests can answer them: the file to
    // save into (empty for cancel), proposed by name, with the chosen filter, whether the print
    // dialog was accepted, and the failure message.
    std::function<QString(const QString& proposed, QString* filter)> askFileName;
    std::function<bool(QPrinter& printer)> askPrinter;
    std::function<void(const QString& message)> tell;

    QAction* copyAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* printAction = nullptr;
    QAction* previewAction = nullptr;
    QAction* marksAction = nullptr; // checked while the points are labelled

private:
    void showMenu(const QPoint& at);
    void showMarks(bool shown);

    Form1* form_;
};
