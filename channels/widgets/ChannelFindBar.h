#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The find bar above the channel table: the text to find, Next and Previous (F3, Shift+F3),
// and "not found" in the bar itself. Escape closes it. The table does the finding.
class ChannelFindBar : public QWidget {
    Q_OBJECT
public:
    explicit ChannelFindBar(QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* field() const { return field_; }
    // Opens the bar with the focus in its field, the text chosen.
    void open();
    // What the last search found: empty, or "not found", "from the top again", ...
    void setOutcome(const QString& text);
    QString outcome() const;

Q_SIGNALS:
    void findRequested(bool forward);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* field_;
    QLabel* outcome_;
};
