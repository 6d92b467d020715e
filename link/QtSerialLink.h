#pragma once

#include "SerialLink.h"

#include <memory>

class QSerialPort;

// SerialLink on QSerialPort's blocking API. Create it in the thread that uses it.
class QtSerialLink : public SerialLink {
public:
    QtSerialLink();
    ~QtSerialLink() override;

    bool open(const QString& name, QString* error, bool* permissionDenied) override;
    void close() override;
    void purge() override;
    QByteArray read(int n) override;
    bool write(const QByteArray& bytes) override;

private:
    bool healthy();
    std::unique_ptr<QSerialPort> port_;
};
