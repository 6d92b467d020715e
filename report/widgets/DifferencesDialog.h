#pragma once

#include "ReportDiff.h"

#include <QDialog>

class QPlainTextEdit;

// The settings and channels that differ between two sets of data, one a line, with what was
// and what is. With a `goOnText` the dialog asks whether to go on ("Write"); without it it
// only shows the list.
class DifferencesDialog : public QDialog {
    Q_OBJECT
public:
    DifferencesDialog(const QString& caption, const QString& heading,
                      const std::vector<Difference>& differences, const QString& goOnText = {},
                      QWidget* parent = nullptr);

    QPlainTextEdit* list() const { return list_; }

private:
    QPlainTextEdit* list_;
};
