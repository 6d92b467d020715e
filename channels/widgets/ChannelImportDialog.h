#pragma once

#include "ChannelCsv.h"

#include <QByteArray>
#include <QDialog>

class BandState;
class MemoryImage;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// "Import channels": what importing a channel list will do, before anything changes. Each line
// of the list with the channel it lands on, its values as they will be stored and what happens
// to it (skipped, changed, shortened); where the lines go (at the channels they name, or in file
// order from a channel); Import or Cancel. The data is only read here.
class ChannelImportDialog : public QDialog {
    Q_OBJECT
public:
    ChannelImportDialog(const MemoryImage& image, const BandState& bands, const QByteArray& csv,
                        const QString& listName, QWidget* parent = nullptr);
    ~ChannelImportDialog() override;

    ImportPlacement placement() const;
    // The import as the dialog shows it, on a copy of the data.
    const ImportResult& preview() const { return preview_; }
    QTableWidget* lineTable() const { return lines_; }

private:
    void showPreview();

    const MemoryImage& image_;
    const BandState& bands_;
    QByteArray csv_;
    ImportResult preview_;
    QLabel* summary_;
    QRadioButton* atLocations_;
    QRadioButton* inFileOrder_;
    QSpinBox* firstChannel_;
    QTableWidget* lines_;
    QPushButton* import_;
};
