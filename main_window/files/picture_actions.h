#pragma once

#include "main_window/widgets/typed_boxes.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

namespace graph {
class GraphPanel;
}

class QAction;
class QLabel;
class QPlainTextEdit;
class QPoint;
class QPrinter;
class QWidget;

// The window's boxes that the printed page shows, read when it is printed.
struct PageBoxes {
    // Line one's, then line two's.
    std::array<const QLineEdit*, 2> equation {}, xIntercept {}, yIntercept {};
    const QLabel* crossing = nullptr;
    const QPlainTextEdit* report = nullptr;
    // The end points the working is written for.
    TypedBoxes typed {};
};

// The graph's picture leaves the window: the graph's context menu (right
// button, or the Menu key while the graph has focus) copies it, saves it as
// PNG, SVG or PDF, and prints it on a page with the window's answers.
class PictureActions : public QObject {
    Q_OBJECT

public:
    // The actions of `panel`'s picture in `window`, which owns them and
    // whose boxes `page` shows on the printed page.
    PictureActions(QWidget* window, graph::GraphPanel* panel, const PageBoxes& page);

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

    QWidget* window_;
    graph::GraphPanel* panel_;
    PageBoxes page_;
};
