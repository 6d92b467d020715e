#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class GridControl;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

// An editor placed over a grid cell: a line edit, a drop-down list or an editable drop-down.
// It is hidden until begin(); when it loses the focus it hides and reports its text through
// committed(). Enter returns the focus to the grid (which commits) and then reports
// enterPressed(), so the form can move on; Tab and Shift+Tab commit and move to the next or
// previous cell; Ctrl+Enter hands the text to every chosen row (enteredForChosenRows); Escape
// closes it and the cell keeps its text. Scrolling the grid commits too.
class InPlaceEditor : public QObject {
    Q_OBJECT
public:
    enum class Kind { Line, List, EditableList };

    // Characters typed or pasted are kept only when `accept` says so; `upperCase` turns
    // letters to upper case first.
    struct Filter {
        std::function<bool(QChar)> accept;
        bool upperCase = false;
    };

    InPlaceEditor(GridControl* grid, Kind kind, const QString& accessibleName);
    Kind kind() const { return kind_; }

    void setMaxLength(int length);
    void setFilter(const Filter& filter);
    void setItems(const QStringList& items);

    // Shows the editor over the cell with `text` and gives it the focus.
    void begin(int row, int column, const QString& text);
    bool isActive() const { return active_; }
    // Ends an open edit now (as losing the focus would).
    void finish() { commit(); }
    // Ends an open edit without taking its text.
    void cancel();
    // An edit started by typing: the key replaces the text (a list looks the key up).
    void typeInto(QKeyEvent* key);
    int row() const { return row_; }
    int column() const { return column_; }
    QString text() const;
    QWidget* widget() const { return widget_; }

Q_SIGNALS:
    void committed(int row, int column, const QString& text);
    void enterPressed(int row, int column, const QString& text);
    // Ctrl+Enter: the edit ends without a commit of its own, the text is for every chosen row.
    void enteredForChosenRows(int row, int column, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commit();

    GridControl* grid_;
    Kind kind_;
    QWidget* widget_;
    QLineEdit* line_ = nullptr;
    QComboBox* combo_ = nullptr;
    bool active_ = false;
    int row_ = 0;
    int column_ = 0;
};
