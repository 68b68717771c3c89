#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// The text a label shows, as plain text with one line per line, whether the
// label holds plain text or rich text.
QString shownText(const QLabel* label);

// A control of the open About window by its name; fails the test when it
// is missing.
QWidget* splashControl(const QString& name);

// Whether two colours differ by at most the given amount in each channel.
bool nearColour(const QColor& actual, const QColor& expected, int tolerance);
