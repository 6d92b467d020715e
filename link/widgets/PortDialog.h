#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;
class QTreeWidget;

// One serial port as the "Port" dialog lists it.
struct PortEntry {
    QString name; // what is stored and opened ("/dev/ttyUSB0", "COM3", "\\.\COM12")
    QString description;
    QString usbIds;        // "vvvv:pppp", empty when not a USB device
    bool available = true; // could be opened just now
};

// The system's serial ports, each tried once to see whether it can be opened.
QList<PortEntry> scanPorts();

// The "Port" dialog: the system's serial ports (those that cannot be opened greyed out), the
// current one selected, and a field for a device path typed by hand (a /dev/serial/by-id link
// or the virtual radio's pseudo-terminal). "OK" gives the choice; no choice keeps the current
// name.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    PortDialog(const QList<PortEntry>& ports, const QString& currentPort,
               QWidget* parent = nullptr);

    // The port chosen when the dialog was accepted; the current port when nothing was chosen.
    QString chosenPort() const;

private:
    QTreeWidget* list_;
    QLineEdit* path_;
    QString current_;
};
