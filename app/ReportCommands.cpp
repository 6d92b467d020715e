#include "ReportCommands.h"
#include "Texts.h"

#include "AppConfig.h"
#include "BandState.h"
#include "DifferencesDialog.h"
#include "Document.h"
#include "PageLayout.h"
#include "ProblemBox.h"
#include "ReportDiff.h"
#include "ReportPages.h"
#include "ReportPreview.h"
#include "ShownPath.h"
#include "Workspace.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

ReportCommands::ReportCommands(Workspace& workspace, AppConfig& config, QObject* parent)
    : QObject(parent), workspace_(workspace), config_(config) {}

QString ReportCommands::documentName() const {
    Document& document = workspace_.document();
    return PageLayout::documentName(document.path(), document.suggestedName());
}

Report ReportCommands::withHeader(Report report) const {
    Document& document = workspace_.document();
    report.header = reportHeader(
        document.image(), PageLayout::shownFileName(document.path(), document.suggestedName()),
        QDate::currentDate());
    return report;
}

Report ReportCommands::currentReport() {
    workspace_.storeAllForms();
    Document& document = workspace_.document();
    return withHeader(buildReport(document.image(), document.bands()));
}

Report ReportCommands::printedReport() {
    if (!workspace_.activeChannelTable())
        return currentReport();
    workspace_.storeAllForms();
    Document& document = workspace_.document();
    return withHeader(buildChannelReport(document.image(), document.bands()));
}

// --- Printing -------------------------------------------------------------------------------

void ReportCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(savedReportPageLayout());
    QPrintDialog dialog(&printer, workspace_.dialogParent());
    // No page range, no selection, no printing to a file: the job is the whole document.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printOn(printer))
        workspace_.showStatus(Texts::tr("Printed %1").arg(documentName()));
    else
        workspace_.showStatus(Texts::tr("Printing %1 failed").arg(documentName()));
}

bool ReportCommands::printOn(QPrinter& printer) {
    const QString name = documentName();
    printer.setDocName(name);
    ReportPages pages(printer, name, printedReport());
    if (pages.paintAll())
        return true;
    printer.abort(); // a failed page aborts the document
    return false;
}

// The page size and orientation chosen here are what Print, Print Preview and the PDF use, and
// they are remembered.
void ReportCommands::printSetup() {
    QPrinter printer;
    printer.setPageLayout(savedReportPageLayout());
    QPageSetupDialog dialog(&printer, workspace_.dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    saveReportPageLayout(printer.pageLayout());
    workspace_.showStatus(Texts::tr("Pages: %1, %2")
                              .arg(printer.pageLayout().pageSize().name(),
                                   printer.pageLayout().orientation() == QPageLayout::Landscape
                                       ? QStringLiteral("landscape")
                                       : QStringLiteral("portrait")));
}

ReportPreview* ReportCommands::previewWindow() const {
    return preview_.data();
}

void ReportCommands::preview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    // The preview stands in for the main window while it is open.
    QWidget* window = workspace_.dialogParent();
    preview_ = new ReportPreview(documentName(), printedReport(), savedReportPageLayout(), window);
    // Where a window manager does not maximize, the preview still takes the screen.
    if (const QScreen* screen = window->screen())
        preview_->setGeometry(screen->availableGeometry());
    window->hide();
    preview_->showMaximized();
}

// --- PDF and differences --------------------------------------------------------------------

void ReportCommands::exportPdf() {
    // Beside the open file, named after it.
    const QString path = workspace_.document().path();
    QFileDialog dialog(workspace_.dialogParent(), Texts::tr("Export report as PDF"),
                       path.isEmpty() ? config_.paths.dataFolder : QFileInfo(path).absolutePath(),
                       Texts::tr("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString name = documentName();
    dialog.selectFile((name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportPdfTo(dialog.selectedFiles().first());
}

bool ReportCommands::exportPdfTo(const QString& path) {
    const Result result =
        writeReportPdf(path, documentName(), currentReport(), savedReportPageLayout());
    if (!result.ok) {
        showProblem(workspace_.dialogParent(), result.message);
        return false;
    }
    workspace_.showStatus(Texts::tr("Report written to %1").arg(shownPath(path)));
    return true;
}

void ReportCommands::compareWith() {
    QMessageBox ask(QMessageBox::Question, Texts::tr("Compare with"),
                    Texts::tr("Compare the open data with a data file or with the radio?"),
                    QMessageBox::Cancel, workspace_.dialogParent());
    QPushButton* file = ask.addButton(Texts::tr("A file..."), QMessageBox::AcceptRole);
    QPushButton* radio = ask.addButton(Texts::tr("The radio"), QMessageBox::AcceptRole);
    ask.setDefaultButton(file);
    ask.exec();
    if (ask.clickedButton() == radio) {
        compareWithRadio();
        return;
    }
    if (ask.clickedButton() != file)
        return;
    QFileDialog dialog(workspace_.dialogParent(), Texts::tr("Compare with"),
                       config_.paths.dataFolder, Texts::tr("Param Files (*.dat)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        compareWithPath(dialog.selectedFiles().first());
}

Comparison ReportCommands::compareWithOpenData(const MemoryImage& other,
                                               const BandState& otherBands) {
    workspace_.storeAllForms();
    const Document& document = workspace_.document();
    return compareData(other, otherBands, document.image(), document.bands());
}

void ReportCommands::showComparison(const QString& other, const Comparison& comparison) {
    const auto count = comparison.differences.size();
    DifferencesDialog dialog(
        Texts::tr("Compare with %1").arg(other),
        comparison.equal()
            ? Texts::tr("The open data and %1 do not differ.").arg(other)
            : Texts::tr("%n difference(s): what %1 holds -> what the open data holds.", nullptr,
                        int(count))
                  .arg(other),
        comparison, {}, workspace_.dialogParent());
    dialog.exec();
    workspace_.showStatus(
        comparison.equal() ? Texts::tr("No differences from %1").arg(other)
                           : Texts::tr("%n difference(s) from %1", nullptr, int(count)).arg(other));
}

bool ReportCommands::compareWithPath(const QString& path) {
    Document other;
    const Result opened = other.open(path);
    if (!opened.ok) {
        showProblem(workspace_.dialogParent(), opened.message);
        return false;
    }
    other.bands().deriveEnabledFlags(other.image());
    showComparison(QFileInfo(path).fileName(), compareWithOpenData(other.image(), other.bands()));
    return true;
}

bool ReportCommands::compareWithRadio() {
    const std::optional<MemoryImage> radio = readRadio_ ? readRadio_() : std::nullopt;
    if (!radio)
        return false;
    const BandState bands = BandState::fromImage(*radio);
    showComparison(Texts::tr("the radio"), compareWithOpenData(*radio, bands));
    return true;
}

// The one question before a Write: what it changes in the radio, as far as that is known.
TransferCommands::WriteAnswer
ReportCommands::confirmWrite(const TransferCommands::WriteQuestion& question) {
    Document& document = workspace_.document();
    Comparison comparison;
    QString heading;
    if (!document.radioImage()) {
        heading = Texts::tr(
            "Nothing was read from the radio since the program started, so what it holds now is "
            "not known. The Write sends every setting and channel of the open data.");
    } else {
        comparison = compareWithOpenData(*document.radioImage(), document.radioBands());
        heading =
            comparison.equal()
                ? Texts::tr("The radio holds this data already, as last read from it. The Write "
                            "sends it again with today's date.")
                : Texts::tr(
                      "The Write changes these in the radio: what it holds -> what it will hold.");
    }
    // Whether a copy of what the radio holds now exists, before it is overwritten.
    heading += u'\n' + question.backupNote;
    DifferencesDialog dialog(Texts::tr("Write"), heading, comparison, Texts::tr("Write"),
                             workspace_.dialogParent(), document.radioImage() != nullptr);
    if (question.offerBackupRead)
        dialog.addOtherChoice(Texts::tr("Read a backup first"));
    using Answer = TransferCommands::WriteAnswer;
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return Answer::Write;
    case DifferencesDialog::kOtherChoice:
        return Answer::ReadBackupFirst;
    default:
        return Answer::Cancel;
    }
}

#include "moc_ReportCommands.cpp"
