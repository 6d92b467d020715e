#pragma once

#include "ChannelRecord.h"
#include "OptionTables.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class BandState;
class FieldGrid;
class MemoryImage;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

// What the forms that edit a channel record do differently.
enum class RecordUse {
    // A memory channel (channel edit dialog): channel 1 keeps to the main bands, the offset is
    // loaded and stored, the offset direction bits stay as they are.
    Channel,
    // A scan edge (scan channel form): its own step list, an entry in no band is never taken,
    // the offset is only read, the offset direction follows Rx and Tx when stored.
    ScanEdge,
    // A VFO record (VFO dialog): never empty, frequencies kept within the record's band, the
    // offset direction edited and Tx derived from it; name, scan, display type, Tx stop and
    // reverse backup hidden.
    Vfo,
};

// The controls of one 32-byte channel record, their lists, filters, enabling rules and
// corrections, and the record's load and store: one editor for every form that edits such a
// record. An empty record shows only the Rx field enabled; entering an Rx frequency writes the
// record's template at once.
class CChannelRecordEditor : public QWidget {
    Q_OBJECT
public:
    // The controls fill two columns of the editor's grid from `firstRow` down; the rows above
    // are the owner's (a channel number).
    CChannelRecordEditor(MemoryImage& image, BandState& bands, RecordUse use, int firstRow = 0,
                         QWidget* parent = nullptr);
    ~CChannelRecordEditor() override;

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

private:
    struct ListField {
        QComboBox* box;
        ChannelField field;
    };
    struct CheckField {
        QCheckBox* box;
        ChannelField field;
    };

    Record record() const;
    QString labelFor(const QString& label) const;
    bool hiddenHere(const QString& label) const;
    void loadVfo(ConstRecord r);
    void storeVfo(Record r);
    void normalizeVfoFrequencies();
    void place(const QString& text, QWidget* control);
    QComboBox* addList(const QString& label, const QStringList& items);
    QCheckBox* addCheck(const QString& label);
    QLineEdit* addEdit(const QString& label, int maxLength, CharSet set);
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
    std::vector<QWidget*> controls_; // every control of the record, in placing order
    std::vector<ListField> lists_;   // lists stored through their code
    std::vector<CheckField> checks_;
};
