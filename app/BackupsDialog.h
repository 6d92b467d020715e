#pragma once

#include <QDialog>

class Document;
class QLabel;
class QPushButton;
class QTableWidget;

// File > Backups...: every backup of a radio read, newest first, with its radio, the time of
// the read, its channels in use and how many differences it has from the open data; Open
// takes the chosen one. Where the backups are, and that they are plain data files a user may
// remove, is said under the list.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    BackupsDialog(const QString& root, const Document& open, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // The backup to open once the dialog was accepted.
    QString chosenPath() const;

private:
    void countNextDifferences();

    const Document& open_;
    QTableWidget* table_;
    QPushButton* openButton_;
    QStringList paths_;
    int counted_ = 0; // rows whose differences are counted so far
};
