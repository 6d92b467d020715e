#pragma once

#include "TransferCommands.h"

#include "Report.h"
#include "ReportDiff.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class AppConfig;
class MemoryImage;
class Workspace;
class QPrinter;
class ReportPreview;

// The main window's report commands: Print, Print Preview, Export report as PDF, Compare
// with, and the offer to show what a Write will change. Each stores every form first, so that
// the report is the data as the forms show it.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    ReportCommands(Workspace& workspace, AppConfig& config, QObject* parent = nullptr);
    // How Compare with reads what the radio holds (nothing when the read fails).
    using RadioRead = std::function<std::optional<MemoryImage>()>;
    void setRadioRead(RadioRead read) { readRadio_ = std::move(read); }

    // The printer dialog, then the pages. With the channel table active, the channel list.
    void print();
    // The pages on `printer`, named after the document; false when a page failed.
    bool printOn(QPrinter& printer);
    // The preview window; choosing it again while it is open only raises it.
    void preview();
    // The page set-up dialog.
    void printSetup();
    ReportPreview* previewWindow() const;

    void exportPdf(); // asks for the file name
    bool exportPdfTo(const QString& path);
    void compareWith(); // asks for a file or the radio
    // The differences between the data file at `path` (or what the radio holds) and the open
    // data, in a dialog.
    bool compareWithPath(const QString& path);
    bool compareWithRadio();

    // Before a Write: when the data differs from what was last read from the radio, offers to
    // show the differences. True to go on with the Write.
    TransferCommands::WriteAnswer confirmWrite(const TransferCommands::WriteQuestion& question);

    // The printed document's name: the file's name, or the suggested one, before its first ".".
    QString documentName() const;
    Report withHeader(Report report) const;

private:
    // Every form stored; the channel list when the channel table is active, else everything.
    Report printedReport();
    Report currentReport();
    Comparison compareWithOpenData(const MemoryImage& other, const BandState& otherBands);
    void showComparison(const QString& other, const Comparison& comparison);

    Workspace& workspace_;
    AppConfig& config_;
    RadioRead readRadio_;
    QPointer<ReportPreview> preview_;
};
