#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class FormView;
class FormFrame;
class Document;
class QMdiArea;
class QMdiSubWindow;
class QStyle;
class QMenu;
struct CommandEntry;

// The form windows of the main window's workspace, one per form: made from their registry
// entries, placed inside the workspace, and told when to load from the image and store into
// it. When a window becomes the active one its form loads; the window left stores first. What a
// form's store changes becomes one step of the document's history, named after the form.
class FormWindows : public QObject {
    Q_OBJECT
public:
    FormWindows(QMdiArea* area, Document& document, QObject* parent = nullptr);

    // Opens the form's window, or activates it when it exists.
    QMdiSubWindow* open(const CommandEntry& form);
    QMdiSubWindow* window(const QString& text) const;
    // The form of the active window (or of the one last active while the main window is not).
    FormView* activeView() const;
    // The caption of that window, empty when no form is open.
    QString activeCaption() const;

    // A window stores when it is left or closed; what that changed becomes one step named after
    // its form. A window that reloads forgets its unstored edits (they were undone or replaced).
    void storeAll();
    void reloadAll();
    void reload(const QString& text);
    // The form of a window the user changed since it last stored or loaded; empty when none.
    QString pendingForm() const;

    // Cascade, Tile and Arrange, then the open windows as menu items "&1 Channel setting",
    // "&2 Basic setting" ..., the active one checked; choosing one brings it up.
    void listIn(QMenu* menu);
    // Makes the window the active one and brings it to the top: the window a command chose
    // (tree, Edit menu, Window menu) is the one the user sees and types into.
    void choose(QMdiSubWindow* window);

Q_SIGNALS:
    void helpRequested(int context);
    // A value in the form was changed; it becomes a step when the form stores.
    void edited(const QString& form);
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* activeWindow() const;
    QMdiSubWindow* topmostBesides(QMdiSubWindow* window) const;
    void activated(QMdiSubWindow* window);
    void place(QMdiSubWindow* window);
    // The window's form stores, and what that changed becomes a step named after the form.
    void store(QMdiSubWindow* window);
    void load(QMdiSubWindow* window);

    QMdiArea* area_;
    Document& document_;
    QPointer<QMdiSubWindow> active_;
    QPoint nextPosition_;
    QStyle* titleBarStyle_ = nullptr; // the form windows' style, owned by the area
};
