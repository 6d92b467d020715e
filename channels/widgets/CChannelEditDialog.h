#pragma once

#include "ChannelRecord.h"
#include "OptionTables.h"

#include <QDialog>
#include <memory>
#include <vector>

class BandState;
class FieldGrid;
class MemoryImage;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

// The "Channel edit" dialog: every field of one bank A channel, including those the table does
// not show. It steps through channels 1-800 by number or with its arrows, storing the channel
// it leaves, and stores the last one when it closes.
class CChannelEditDialog : public QDialog {
    Q_OBJECT
public:
    CChannelEditDialog(MemoryImage& image, BandState& bands, int channel,
                       QWidget* parent = nullptr);
    ~CChannelEditDialog() override;

    int channel() const { return channel_; }
    void showChannel(int channel); // stores the current one, clamps, loads
    void step(int delta);          // the spin arrows: wraps between 1 and 800

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

public Q_SLOTS:
    void reject() override; // Escape closes only from the Rx field

private:
    struct ListField {
        QComboBox* box;
        ChannelField field;
    };
    struct CheckField {
        QCheckBox* box;
        ChannelField field;
    };

    void place(const QString& label, QWidget* control, bool hidden);
    QComboBox* addList(const QString& label, const QStringList& items, bool hidden = false);
    QCheckBox* addCheck(const QString& label, bool hidden = false);
    QLineEdit* addEdit(const QString& label, int maxLength, CharSet set, bool hidden = false);
    void load();
    void store();
    void loadFields(ConstRecord r);
    void fillDefaults();
    void setEditable(bool on);
    void clearControls();
    void rebuildSqlModes(const QString& wanted);
    void rebuildSteps();
    void updateEnabling();
    void rxEntered();
    void txEntered();
    void numberEntered();

    MemoryImage& image_;
    BandState& bands_;
    int channel_;
    QString previousRx_;
    QString previousTx_;
    bool loading_ = false;

    QWidget* form_;
    std::unique_ptr<FieldGrid> fields_;
    QLineEdit* number_;
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* rx_;
    QLineEdit* tx_;
    QLineEdit* name_;
    QLineEdit* offset_;
    QComboBox* ctcss_;
    QComboBox* dcs_;
    QComboBox* decodeType_;
    QComboBox* signaling_;
    QComboBox* signalingDecode_;
    QComboBox* pttId_;
    QComboBox* sqlMode_;
    QComboBox* step_;
    QComboBox* offsetDirection_;
    QComboBox* txPower_;
    QCheckBox* reverse_;
    QCheckBox* talkAround_;
    std::vector<ListField> lists_; // lists stored through their code
    std::vector<CheckField> checks_;
};
