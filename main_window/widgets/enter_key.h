#pragma once

#include <QKeyEvent>

// Return on the main keys, or Enter on the keypad: either presses, confirms
// or draws, wherever the window takes Enter.
inline bool isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
