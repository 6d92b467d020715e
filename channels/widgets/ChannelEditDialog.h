#pragma once

#include <QDialog>

class BandState;
class ChannelRecordEditor;
class MemoryImage;
class QLineEdit;
class QToolButton;

// The "Channel edit" dialog: every field of one bank A channel, including those the table does
// not show. It steps through channels 1-800 by number or with its arrows, storing the channel
// it leaves, and stores the last one when it closes.
class ChannelEditDialog : public QDialog {
    Q_OBJECT
public:
    ChannelEditDialog(MemoryImage& image, BandState& bands, int channel, QWidget* parent = nullptr);
    ~ChannelEditDialog() override;

    int channel() const { return channel_; }
    void showChannel(int channel); // stores the current one, clamps, loads
    void step(int delta);          // the spin arrows: wraps between 1 and 800

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public Q_SLOTS:
    void reject() override; // Escape closes only from the Rx field

private:
    void load();
    void store();
    void numberEntered();

    int channel_;
    ChannelRecordEditor* editor_;
    QLineEdit* number_;
    QToolButton* up_;
    QToolButton* down_;
};
