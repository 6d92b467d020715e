#include "InPlaceEditor.h"

#include "CharFilterValidator.h"
#include "GridControl.h"
#include "Language.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

InPlaceEditor::InPlaceEditor(GridControl* grid, Kind kind, const QString& accessibleName)
    : QObject(grid), grid_(grid), kind_(kind) {
    if (kind == Kind::Line) {
        widget_ = line_ = new QLineEdit(grid->editorParent());
    } else {
        widget_ = combo_ = new QComboBox(grid->editorParent());
        combo_->setEditable(kind == Kind::EditableList);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        // What is typed stays as typed: no completion from the list ("7" must not turn into 703).
        if (kind == Kind::EditableList)
            combo_->setCompleter(nullptr);
        line_ = combo_->lineEdit();
    }
    widget_->setAccessibleName(accessibleName);
    widget_->hide();
    widget_->installEventFilter(this);
    if (line_ && line_ != widget_)
        line_->installEventFilter(this);
    connect(grid, &GridControl::scrolled, this, [this] {
        if (active_)
            grid_->setFocus();
    });
}

void InPlaceEditor::setMaxLength(int length) {
    if (line_)
        line_->setMaxLength(length);
}

void InPlaceEditor::setFilter(const Filter& filter) {
    if (line_)
        line_->setValidator(new CharFilterValidator(filter.accept, filter.upperCase, line_));
}

void InPlaceEditor::setItems(const QStringList& items) {
    if (!combo_)
        return;
    combo_->clear();
    // A fixed list shows its entries translated and hands back the entry itself.
    for (const QString& item : items)
        combo_->addItem(kind_ == Kind::List ? Language::shown(item) : item, item);
}

QString InPlaceEditor::text() const {
    if (kind_ == Kind::List)
        return combo_->currentIndex() < 0 ? QString() : combo_->currentData().toString();
    return line_->text();
}

void InPlaceEditor::begin(int row, int column, const QString& text) {
    row_ = row;
    column_ = column;
    widget_->setGeometry(grid_->cellRect(row, column));
    if (kind_ == Kind::List) {
        combo_->setCurrentIndex(combo_->findData(text, Qt::UserRole, Qt::MatchExactly));
    } else {
        // The cell's text as it is: the filter is for typing.
        if (combo_)
            combo_->setCurrentIndex(combo_->findText(text, Qt::MatchExactly));
        showStoredText(line_, text);
    }
    active_ = true;
    grid_->setActiveEditor(this);
    widget_->show();
    widget_->raise();
    widget_->setFocus(Qt::OtherFocusReason);
    if (line_)
        line_->selectAll();
}

void InPlaceEditor::commit() {
    if (!active_)
        return;
    active_ = false;
    const QString value = text();
    widget_->hide();
    Q_EMIT committed(row_, column_, value);
}

void InPlaceEditor::cancel() {
    if (!active_)
        return;
    active_ = false; // first, so that the focus leaving commits nothing
    // The focus goes back before the editor hides: a focused child that hides passes the focus
    // on as if Tab were pressed, which would move the current cell.
    grid_->setFocus(Qt::OtherFocusReason);
    widget_->hide();
}

void InPlaceEditor::typeInto(QKeyEvent* key) {
    if (kind_ != Kind::List)
        line_->clear();
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(kind_ == Kind::List ? widget_ : line_, &copy);
}

bool InPlaceEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && active_) {
        // Opening the drop-down's list is no loss of focus; leaving the editor is.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && !widget_->isAncestorOf(QApplication::focusWidget()) &&
            QApplication::focusWidget() != widget_)
            commit();
    } else if (event->type() == QEvent::KeyPress && active_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            cancel();
            return true;
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            grid_->setFocus(Qt::OtherFocusReason);
            commit();
            grid_->moveAcross(key == Qt::Key_Tab);
            return true;
        }
        const bool control =
            static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && control) {
            // Ctrl+Enter ends the edit for every chosen row: the text goes there, not here.
            const int row = row_, column = column_;
            const QString value = text();
            cancel();
            Q_EMIT enteredForChosenRows(row, column, value);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = row_, column = column_;
            const QString value = text();
            grid_->setFocus(Qt::OtherFocusReason);
            commit(); // in case the focus did not move (the grid was not focusable)
            Q_EMIT enterPressed(row, column, value);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

#include "moc_InPlaceEditor.cpp"
