#pragma once

#include "FieldBinder.h"

#include <QObject>
#include <cstdint>
#include <functional>

class MemoryImage;

// One set of controls switched between records by a selector (a tab bar or a list): when the
// selector's entry changes, the record left is stored and the record entered loaded. The focus
// moves to the selector first, so that a field being typed is entered as leaving it would.
class RecordSwitch : public QObject {
    Q_OBJECT
public:
    using RecordOf = std::function<std::uint32_t(int entry)>;
    using Io = std::function<void(std::uint32_t record)>;

    // `selector`: a QTabBar or a QComboBox; `recordOf` gives the record of each of its entries.
    RecordSwitch(QWidget* selector, RecordOf recordOf, Io load, Io store);

    // The record of the entry chosen now.
    void load();
    // The record shown.
    void store();
    int entry() const { return entry_; }
    std::uint32_t record() const { return recordOf_(entry_); }

Q_SIGNALS:
    // The record left was stored and the one entered loaded.
    void switched();

private:
    void entryChosen(int entry);
    int selected() const;

    QWidget* selector_;
    RecordOf recordOf_;
    Io load_;
    Io store_;
    int entry_ = 0;
    bool shown_ = false; // a record has been loaded
};

// The fields of one table shown for the records of an array (a 2-Tone system, a 5-Tone
// contact): a binder and a record switch. `loading` and `loaded` run before and after a record
// loads, `storing` before one stores: the form's rules between its fields.
class RecordArrayBinder : public FieldBinder {
public:
    RecordArrayBinder(const std::vector<FieldDescription>& fields, MemoryImage& image,
                      QWidget* selector, RecordSwitch::RecordOf recordOf);

    RecordSwitch& records() { return records_; }
    const RecordSwitch& records() const { return records_; }
    void load() { records_.load(); }
    void store() { records_.store(); }
    std::function<void()> loading = [] {};
    std::function<void()> loaded = [] {};
    std::function<void()> storing = [] {};

private:
    MemoryImage& image_;
    RecordSwitch records_;
};
