#pragma once

#include "ReportDiff.h"

#include <QDialog>

class QTableWidget;

// What differs between two sets of data as a table (section, item, field, before, after),
// sortable by any column, with the bytes no form shows under it; Copy puts the table on the
// clipboard, Save as writes it as text or CSV. With a `goOnText` the dialog asks whether to go
// on ("Write"); without it it only shows the list. With nothing to list, only the heading and the
// buttons show (and "No differences." unless the data were not `compared` at all).
class DifferencesDialog : public QDialog {
    Q_OBJECT
public:
    DifferencesDialog(const QString& caption, const QString& heading, const Comparison& comparison,
                      const QString& goOnText = {}, QWidget* parent = nullptr,
                      bool compared = true);

    QTableWidget* table() const { return table_; }

    // A second way to go on ("Read a backup first"): the dialog ends with kOtherChoice.
    static constexpr int kOtherChoice = 2;
    void addOtherChoice(const QString& text);

    // The differences as lines of text (the command line's), or as CSV with a header.
    QString asText() const;
    QString asCsv() const;
    // Writes the list to `path`: CSV for a ".csv" name, text otherwise. An error message, or
    // empty.
    QString saveTo(const QString& path) const;

private:
    void copy() const;
    void save();

    Comparison comparison_;
    QTableWidget* table_;
    class QDialogButtonBox* buttons_ = nullptr;
};
