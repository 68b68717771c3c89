#pragma once

#include <QWidget>

class QPushButton;

// The About window: a small panel without a title bar showing the program's
// title, a description, the version, the credits and the planned features,
// with a button that closes it. At most one exists at a time; it lives beside
// the main window without blocking it and is destroyed when closed.
//
// The window is the 429 x 381 pixel client area plus a one-pixel border that
// the window draws itself, since it has no frame from the window manager.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    // Size of the client area, inside the border.
    static constexpr int clientWidth = 429;
    static constexpr int clientHeight = 381;
    static constexpr int borderWidth = 1;

    // Shows the About window modeless and makes it the active window. The
    // first call, and the first after a close, creates it centred on the
    // screen; while it is open the same window is shown again as it is.
    static frmSplash* open();

    // The open About window, or nullptr when none is open.
    static frmSplash* instance();

    // The area inside the border that holds the controls.
    QWidget* clientArea() const { return client_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc closes the window as its Close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmSplash();

    void createLabels();
    void createCloseButton();
    void cmdclose_Click();

    QWidget* client_ = nullptr;
    QPushButton* cmdclose_ = nullptr;
};
