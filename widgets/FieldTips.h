#pragma once

class QString;
class QWidget;

// Every control below `root` that a help topic describes, and that has no tooltip of its own,
// shows that topic's one-line summary (looked up by its label, the form's own first).
void applyFieldTips(QWidget* root, const QString& form);
