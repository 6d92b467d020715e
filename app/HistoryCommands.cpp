// Undo and Redo: they record nothing of their own, and name the step they take back.
#include "HistoryCommands.h"
#include "Texts.h"

#include "CloneEngine.h"
#include "Document.h"
#include "Workspace.h"

#include <QAction>

HistoryCommands::HistoryCommands(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace) {}

void HistoryCommands::setActions(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
    updateActions();
}

void HistoryCommands::updateActions() {
    if (!undo_ || !redo_)
        return;
    const EditHistory& history = workspace_.document().history();
    // An edit in a form not stored yet is the step Undo takes back first.
    const QString pending = workspace_.pendingForm();
    const QString undoName = !pending.isEmpty() ? pending : history.undoName();
    undo_->setEnabled(!undoName.isEmpty());
    undo_->setText(undoName.isEmpty() ? Texts::tr("Undo") : Texts::tr("Undo %1").arg(undoName));
    const QString redoName = pending.isEmpty() ? history.redoName() : QString();
    redo_->setEnabled(!redoName.isEmpty());
    redo_->setText(redoName.isEmpty() ? Texts::tr("Redo") : Texts::tr("Redo %1").arg(redoName));
    for (QAction* a : {undo_.data(), redo_.data()})
        a->setToolTip(a->text());
}

void HistoryCommands::undo() {
    travel(false);
}

void HistoryCommands::redo() {
    travel(true);
}

// An edit still in a form is stored first and becomes the step Undo takes back, when it changed
// anything.
void HistoryCommands::travel(bool forwards) {
    if (theCloneFlags().busy)
        return;
    Document& document = workspace_.document();
    if (const QString pending = workspace_.pendingForm(); !pending.isEmpty()) {
        const quint64 steps = document.stepsRecorded();
        workspace_.storeFormEdits();
        if (document.stepsRecorded() == steps) {
            // The form's edit left the data as it was: it was all there was to take back.
            Q_EMIT nothingChanged();
            updateActions();
            workspace_.showStatus(Texts::tr("Nothing changed in %1").arg(pending));
            return;
        }
    }
    const QString name = forwards ? document.history().redoName() : document.history().undoName();
    if (!(forwards ? document.redo() : document.undo()))
        return;
    workspace_.reloadAllForms();
    updateActions();
    workspace_.showStatus(forwards ? Texts::tr("Redone: %1").arg(name)
                                   : Texts::tr("Undone: %1").arg(name));
}

#include "moc_HistoryCommands.cpp"
