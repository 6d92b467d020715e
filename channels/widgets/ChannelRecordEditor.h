#pragma once

#include "ChannelRecord.h"
#include "OptionTables.h"
#include "RecordFields.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class BandState;
class FieldGrid;
class MemoryImage;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

// The controls of one 32-byte channel record, their lists, filters, enabling rules and
// corrections, and the record's load and store: one editor for every form that edits such a
// record. An empty record shows only the Rx field enabled; entering an Rx frequency writes the
// record's template at once.
class ChannelRecordEditor : public QWidget {
    Q_OBJECT
public:
    // The controls fill two columns of the editor's grid from `firstRow` down; the rows above
    // are the owner's (a channel number).
    ChannelRecordEditor(MemoryImage& image, BandState& bands, RecordUse use, int firstRow = 0,
                        QWidget* parent = nullptr);
    ~ChannelRecordEditor() override;

    QGridLayout* grid() const { return grid_; }
    QLineEdit* rxField() const { return rx_; }

    // Shows the record at `address`; `number` is the channel's number for a memory channel and
    // the record's index for a VFO record, whose rules depend on them.
    void load(std::uint32_t address, int number = 0);
    // Writes the controls into the record shown.
    void store();
    // The Rx entry rule, as leaving the Rx field runs it.
    void enterRx();

Q_SIGNALS:
    // The user changed a control.
    void edited();

protected:
    // An empty record's Rx field left with Tab is entered first, so that the fields it enables
    // take the focus, not whatever came before them.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ListField {
        QComboBox* box;
        ChannelField field;
    };
    struct CheckField {
        QCheckBox* box;
        ChannelField field;
    };

    // An edit field with the rule that runs when it is left.
    struct Entry {
        QLineEdit* field;
        std::function<void()> rule;
    };
    std::vector<Entry> entries();
    void enterPending();

    Record record() const;
    void loadVfo(ConstRecord r);
    void normalizeVfoFrequencies();
    void addControl(const RecordFields::Field& f);
    void place(const RecordFields::Field& f, QWidget* control);
    QComboBox* addList(const RecordFields::Field& f, const QStringList& items);
    QLineEdit* addEdit(const RecordFields::Field& f);
    void makeEditable(QComboBox* box, const RecordFields::Field& f);
    static void limitText(QLineEdit* edit, const RecordFields::Field& f);
    void loadFields(ConstRecord r);
    void fillDefaults();
    void setEditable(bool on);
    void clearControls();
    QStringList stepsFor(const QString& rx) const;
    void rebuildSqlModes(const QString& wanted);
    void rebuildSteps();
    void updateEnabling();
    void enterTx();

    MemoryImage& image_;
    BandState& bands_;
    RecordUse use_;
    std::uint32_t address_ = 0;
    int number_ = 0; // the channel's number, or the VFO record's index
    QString previousRx_;
    QString previousTx_;
    bool loading_ = false;

    QGridLayout* grid_;
    std::unique_ptr<FieldGrid> fields_;
    QLineEdit* rx_ = nullptr;
    QLineEdit* tx_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QComboBox* ctcss_ = nullptr;
    QComboBox* dcs_ = nullptr;
    QComboBox* decodeType_ = nullptr;
    QComboBox* signaling_ = nullptr;
    QComboBox* signalingDecode_ = nullptr;
    QComboBox* pttId_ = nullptr;
    QComboBox* sqlMode_ = nullptr;
    QComboBox* step_ = nullptr;
    QComboBox* offsetDirection_ = nullptr;
    QComboBox* txPower_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QCheckBox* talkAround_ = nullptr;
    std::vector<QWidget*> controls_; // every control of the record, in placing order
    std::vector<ListField> lists_;   // lists stored through their code
    std::vector<CheckField> checks_;
    // Lists that fall back to a default when the record's code is none of their items.
    std::vector<std::pair<QComboBox*, const RecordFields::Field*>> choices_;
};
