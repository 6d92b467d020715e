#pragma once

#include "FormView.h"

class BandState;
class ChannelRecordEditor;
class QTabBar;
class RecordSwitch;

// The scan channel form: the ten scan edge records "L1", "U1" ... "U5" (a lower and an upper
// edge for each of five scan ranges), one tab each over one channel-record editor.
class ScanChannelView : public FormView {
    Q_OBJECT
public:
    ScanChannelView(MemoryImage& image, BandState& bands, QWidget* parent = nullptr);
    ~ScanChannelView() override;

    void LoadFromImage() override; // the record of the selected tab
    void SaveToImage() override;

    QTabBar* tabs() const { return tabs_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTabBar* tabs_;
    ChannelRecordEditor* editor_;
    RecordSwitch* records_;
};
