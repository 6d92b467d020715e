#include "SerialPorts.h"

#include <QSerialPortInfo>

QList<SerialPortInfo> systemSerialPorts() {
    QList<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortInfo p{info.systemLocation(), info.description(), {}};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            p.usbIds = QStringLiteral("%1:%2")
                           .arg(info.vendorIdentifier(), 4, 16, QChar(u'0'))
                           .arg(info.productIdentifier(), 4, 16, QChar(u'0'));
        ports << p;
    }
    return ports;
}
