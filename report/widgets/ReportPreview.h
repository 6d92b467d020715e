#pragma once

#include "Report.h"

#include <QPageLayout>

#include <QPointer>
#include <QPrintPreviewDialog>

// The print preview in a window of its own, captioned "Preview", shown maximized. The window it
// stands in for is hidden while it is open and shown again, as it was, when it closes. Its
// Print button prints the same pages.
class ReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    ReportPreview(QString documentName, Report report, const QPageLayout& layout, QWidget* hidden);

    void done(int result) override;

private:
    QString name_;
    Report report_;
    QPointer<QWidget> hidden_;
};
