#pragma once

#include <QList>
#include <QString>

// One serial port of the system, as the port list and `duoband-cli ports` show it.
struct SerialPortInfo {
    QString name; // what is stored and opened ("/dev/ttyUSB0", "COM3", "\\.\COM12")
    QString description;
    QString usbIds; // "vvvv:pppp", empty when not a USB device
};

// The system's serial ports: on Linux the devices QtSerialPort finds; on Windows the ports of
// HKLM\HARDWARE\DEVICEMAP\SERIALCOMM with the friendly names and USB ids Windows records, and
// the rest of COM1-COM16.
QList<SerialPortInfo> systemSerialPorts();

// Whether a port can be opened right now (used to grey out busy or absent ports).
bool canOpenPort(const QString& name);
