#include "ReportCommands.h"

#include "AppConfig.h"
#include "CMainFrame.h"
#include "DifferencesDialog.h"
#include "Document.h"
#include "PageLayout.h"
#include "ReportDiff.h"
#include "ReportPages.h"
#include "ReportPreview.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

ReportCommands::ReportCommands(CMainFrame& frame, AppConfig& config)
    : QObject(&frame), frame_(frame), config_(config) {}

QString ReportCommands::documentName() const {
    Document& document = frame_.document();
    return PageLayout::documentName(document.path(), document.suggestedName());
}

Report ReportCommands::currentReport() {
    frame_.storeAllForms();
    return buildReport(frame_.document().image(), frame_.document().bands());
}

BodyLines ReportCommands::printedBody() {
    if (frame_.channelTableIsActive()) {
        frame_.storeAllForms();
        return reportLines(
            buildChannelReport(frame_.document().image(), frame_.document().bands()));
    }
    return reportLines(currentReport());
}

// --- Printing -------------------------------------------------------------------------------

void ReportCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &frame_);
    // No page range, no selection, no printing to a file: the job is the whole document.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printOn(printer))
        frame_.showStatus(QStringLiteral("Printed %1").arg(documentName()));
    else
        frame_.showStatus(QStringLiteral("Printing %1 failed").arg(documentName()));
}

bool ReportCommands::printOn(QPrinter& printer) {
    const QString name = documentName();
    printer.setDocName(name);
    ReportPages pages(printer, name, printedBody());
    if (pages.paintAll())
        return true;
    printer.abort(); // a failed page aborts the document
    return false;
}

void ReportCommands::printSetup() {
    QPrinter printer;
    QPageSetupDialog(&printer, &frame_).exec();
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
    preview_ = new ReportPreview(documentName(), printedBody(), &frame_);
    // Where a window manager does not maximize, the preview still takes the screen.
    if (const QScreen* screen = frame_.screen())
        preview_->setGeometry(screen->availableGeometry());
    frame_.hide();
    preview_->showMaximized();
}

// --- PDF and differences --------------------------------------------------------------------

void ReportCommands::exportPdf() {
    QFileDialog dialog(&frame_, QStringLiteral("Export report as PDF"), config_.paths.dataFolder,
                       QStringLiteral("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString name = documentName();
    dialog.selectFile((name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportPdfTo(dialog.selectedFiles().first());
}

bool ReportCommands::exportPdfTo(const QString& path) {
    const Result result = writeReportPdf(path, documentName(), reportLines(currentReport()));
    if (!result.ok) {
        QMessageBox::warning(&frame_, QApplication::applicationDisplayName(), result.message);
        return false;
    }
    frame_.showStatus(QStringLiteral("Report written to %1").arg(path));
    return true;
}

void ReportCommands::compareWith() {
    QFileDialog dialog(&frame_, QStringLiteral("Compare with"), config_.paths.dataFolder,
                       QStringLiteral("Param Files (*.dat)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        compareWithPath(dialog.selectedFiles().first());
}

bool ReportCommands::compareWithPath(const QString& path) {
    Document other;
    const Result opened = other.open(path);
    if (!opened.ok) {
        QMessageBox::warning(&frame_, QApplication::applicationDisplayName(), opened.message);
        return false;
    }
    other.bands().deriveEnabledFlags(other.image());
    const auto differences =
        compareReports(buildReport(other.image(), other.bands()), currentReport());
    const QString file = QFileInfo(path).fileName();
    DifferencesDialog dialog(
        QStringLiteral("Compare with %1").arg(file),
        differences.empty()
            ? QStringLiteral("The open data and %1 do not differ.").arg(file)
            : QStringLiteral("%1 difference(s): what %2 holds -> what the open data holds.")
                  .arg(differences.size())
                  .arg(file),
        differences, {}, &frame_);
    dialog.exec();
    frame_.showStatus(QStringLiteral("%1 difference(s) from %2").arg(differences.size()).arg(file));
    return true;
}

bool ReportCommands::confirmWrite() {
    Document& document = frame_.document();
    if (!document.radioImage())
        return true;
    const auto differences =
        compareReports(buildReport(*document.radioImage(), document.radioBands()), currentReport());
    if (differences.empty())
        return true;
    const auto answer = QMessageBox::question(
        &frame_, QStringLiteral("Write"),
        QStringLiteral("%1 setting(s) and channel(s) differ from the data last read from the "
                       "radio. Show them before writing?")
            .arg(differences.size()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return answer == QMessageBox::No;
    DifferencesDialog dialog(QStringLiteral("Write"),
                             QStringLiteral("The Write changes these in the radio: what it "
                                            "holds -> what it will hold."),
                             differences, QStringLiteral("Write"), &frame_);
    return dialog.exec() == QDialog::Accepted;
}
