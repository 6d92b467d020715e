#pragma once

#include "ChannelEditRules.h"

#include <QDialog>
#include <vector>

class BandState;
class ChannelRecordEditor;
class MemoryImage;
class QTabBar;
class RecordSwitch;

// The modal "VFO" dialog: one tab per VFO record the radio's bands show, over one channel-record
// editor. Changing tabs stores the record left and loads the one entered; the close box stores
// too. It has no OK or Cancel, and Enter and Escape do nothing.
class VfoDialog : public QDialog {
    Q_OBJECT
public:
    VfoDialog(MemoryImage& image, BandState& bands, QWidget* parent = nullptr);
    ~VfoDialog() override;

    QTabBar* tabs() const { return tabs_; }
    int currentRecord() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public Q_SLOTS:
    void reject() override; // Escape does not close

private:
    std::vector<ChannelEditRules::VfoTab> shown_;
    QTabBar* tabs_;
    ChannelRecordEditor* editor_;
    RecordSwitch* records_ = nullptr; // none when no band of the radio is enabled
};
