#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class Workspace;

// Undo and Redo of the document's history, and their menu items, which name the step they take
// back or do again. Every open form reloads after either.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    explicit HistoryCommands(Workspace& workspace, QObject* parent = nullptr);

    void undo();
    void redo();
    // The actions that name the steps; kept up to date by updateActions().
    void setActions(QAction* undo, QAction* redo);
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    void updateActions();

Q_SIGNALS:
    // A form's edit turned out to change nothing: the title loses its " *".
    void nothingChanged();

private:
    void travel(bool forwards);

    Workspace& workspace_;
    QPointer<QAction> undo_;
    QPointer<QAction> redo_;
};
