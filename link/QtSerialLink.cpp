#include "QtSerialLink.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <chrono>
#include <thread>

namespace {
constexpr int kIntervalMs = 50;
constexpr int kPerByteMs = 50;
constexpr int kReadExtraMs = 100;
constexpr int kWriteExtraMs = 50;
// A reply usually follows within a millisecond or two. Waiting for it awake for that long
// avoids the scheduler's wake-up delay, which on a virtual machine would add a tenth to a
// transfer; longer waits block as usual.
constexpr auto kAwakeWait = std::chrono::microseconds(2000);

bool waitAwake(QSerialPort& port) {
    const auto until = std::chrono::steady_clock::now() + kAwakeWait;
    while (std::chrono::steady_clock::now() < until) {
        if (port.waitForReadyRead(0))
            return true;
        if (port.error() == QSerialPort::ResourceError)
            return false;
        std::this_thread::yield();
    }
    return false;
}
} // namespace

QtSerialLink::QtSerialLink() = default;
QtSerialLink::~QtSerialLink() {
    close();
}

bool QtSerialLink::open(const QString& name, QString* error, bool* permissionDenied) {
    close();
    if (!startOpen(name, error, permissionDenied))
        return false;
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(name);
    // Line settings go in before open() so that the port never runs on stale ones.
    port_->setBaudRate(QSerialPort::Baud38400);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(0);
    if (!port_->open(QIODevice::ReadWrite)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, port_->errorString());
        if (permissionDenied)
            *permissionDenied = port_->error() == QSerialPort::PermissionError;
        port_.reset();
        return false;
    }
    return true;
}

void QtSerialLink::close() {
    if (port_) {
        port_->close();
        port_.reset();
    }
}

// A hang-up shows as a sticky read error while the port still reports itself open: close it
// ourselves so that every later call fails at once.
bool QtSerialLink::healthy() {
    if (!port_ || !port_->isOpen())
        return false;
    if (port_->error() == QSerialPort::ResourceError) {
        close();
        return false;
    }
    port_->clearError();
    return true;
}

// Only what came in is discarded: every write has already waited for its bytes to leave, and
// flushing the output queue as well would drop bytes a slow far end (a pseudo-terminal whose
// reader is still asleep) has not taken yet.
void QtSerialLink::purge() {
    if (healthy())
        port_->clear(QSerialPort::Input);
}

QByteArray QtSerialLink::read(int n) {
    QByteArray out;
    if (!healthy())
        return out;
    const QDeadlineTimer total(kPerByteMs * n + kReadExtraMs);
    while (out.size() < n) {
        if (port_->bytesAvailable() > 0) {
            out += port_->read(n - out.size());
            continue;
        }
        // Before the first byte only the total limit counts; after it also the gap between bytes.
        if (waitAwake(*port_))
            continue;
        qint64 wait = total.remainingTime();
        if (!out.isEmpty())
            wait = std::min<qint64>(wait, kIntervalMs);
        if (wait <= 0 || !port_->waitForReadyRead(int(wait))) {
            healthy();
            break;
        }
    }
    return out;
}

bool QtSerialLink::write(const QByteArray& bytes) {
    if (!healthy())
        return false;
    if (port_->write(bytes) != bytes.size())
        return false;
    // write() only queues: wait until the bytes have left.
    const QDeadlineTimer total(kPerByteMs * bytes.size() + kWriteExtraMs);
    while (port_->bytesToWrite() > 0) {
        const qint64 wait = total.remainingTime();
        if (wait <= 0 || !port_->waitForBytesWritten(int(wait)))
            return healthy() && port_->bytesToWrite() == 0;
    }
    return true;
}
