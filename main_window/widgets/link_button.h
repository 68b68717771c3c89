#pragma once

#include <QAbstractButton>

// A link that does something in the program, drawn exactly like a label
// with the same font and colours, so it sits in a strip of labels as one of
// them. The keyboard reaches it: Space, Enter and Return press it, and a
// dotted frame shows while it has the focus. Screen readers see a button.
class LinkButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
