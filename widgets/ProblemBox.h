#pragma once

#include <QString>

class QFontMetrics;
class QMessageBox;
class QWidget;

// The caption of the program's message boxes: the model name of Program.ini once start-up set
// it, else the program's name. (The application's own name stays: the settings live under it.)
QString messageCaption();
void setMessageCaption(const QString& caption);

// A warning box titled with messageCaption(): `message`, and `detail` below it when given.
// It is made wide enough that no device or file path in it is broken across lines.
void showProblem(QWidget* parent, const QString& message, const QString& detail = {});

// Widens `box` to the width its texts need (within the screen).
void fitTexts(QMessageBox& box);

// The width a wrapped label needs for `text`: a short paragraph stays on one line, a long one
// wraps at about 60 characters, and no path (a word holding "/" or "\") is broken: it stays on
// the line its paragraph starts with when that fits in `limit`, else it starts a line of its own.
int textWidthNeeded(const QFontMetrics& metrics, const QString& text, int limit);
