#pragma once

#include <QWidget>

class FormView;
class QScrollArea;

// The inside of a form window: the form (scrolled where the window is smaller), and a bottom bar
// with "Help" and "Close" placed around its middle.
class FormFrame : public QWidget {
    Q_OBJECT
public:
    FormFrame(FormView* view, int helpContext, QWidget* parent = nullptr);

    FormView* view() const { return view_; }
    // The form's own context (a tabbed form's depends on its tab), else the window's.
    int helpContext() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void helpRequested(int context);
    void closeRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    FormView* view_;
    QScrollArea* scroll_;
    int helpContext_;
};
