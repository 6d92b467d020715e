#include "ReportPreview.h"
#include "Texts.h"

#include "ReportPages.h"

#include <QPrinter>

ReportPreview::ReportPreview(QString documentName, Report report, const QPageLayout& layout,
                             QWidget* hidden)
    : QPrintPreviewDialog(nullptr, Qt::Window), name_(std::move(documentName)),
      report_(std::move(report)), hidden_(hidden) {
    setWindowTitle(Texts::tr("Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    printer()->setDocName(name_);
    printer()->setPageLayout(layout);
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        ReportPages pages(*printer, name_, report_);
        if (!pages.paintAll())
            printer->abort(); // a failed page aborts the document
    });
}

// The hidden window comes back before this one goes, so the application never finds itself
// without a window and quits.
void ReportPreview::done(int result) {
    if (hidden_)
        hidden_->show();
    QPrintPreviewDialog::done(result);
}

#include "moc_ReportPreview.cpp"
