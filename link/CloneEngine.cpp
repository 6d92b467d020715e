#include "CloneEngine.h"
#include "Texts.h"

#include "Bcd.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PreciseSleep.h"
#include "SerialLink.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

const QByteArray kWake("\x02PROGRA", 7);
const QByteArray kIdentify("M\x02", 2);
const QByteArray kAck("A");
constexpr int kIdentificationLength = 16;
constexpr int kBlock = 128;
constexpr int kHeader = 4;
constexpr int kAckTries = 4;
constexpr int kWakeWindowMs = 500;
constexpr std::uint32_t kProtectionBlock = 0xCC00;
constexpr int kProtectionFlagOffset = 8;
constexpr std::uint8_t kProtected = 3;
constexpr std::uint32_t kFirstReadBlock = 0x0100;
constexpr std::uint32_t kFirstWriteBlock = 0x0060;
constexpr std::uint32_t kWriteGapStart = 0xF400;
constexpr std::uint32_t kWriteGapEnd = 0xFF00;

QByteArray command(char op, std::uint32_t address, int length) {
    QByteArray c(4, '\0');
    c[0] = op;
    c[1] = char(address >> 8);
    c[2] = char(address & 0xFF);
    c[3] = char(length);
    return c;
}

QString hex(std::uint32_t address) {
    return QStringLiteral("0x%1").arg(address, 4, 16, QChar(u'0')).toUpper().replace("0X", "0x");
}

} // namespace

QString serialAccessAdvice(const QString& port) {
    QString group = QFileInfo(port).group();
    if (group.isEmpty() || group == QLatin1String("root"))
        group = QStringLiteral("dialout");
    return Texts::tr(
               "You have no access to this port. Either install the udev rules that come with "
               "Duoband (60-duoband-serial.rules in /usr/lib/udev/rules.d, part of its package) "
               "and plug the cable in again, or add your user to the group that owns the device "
               "(%1), for example with \"sudo usermod -aG %1 $USER\", then log in again.")
        .arg(group);
}

CloneFlags& theCloneFlags() {
    static CloneFlags flags;
    return flags;
}

QString transferSummary(CloneDirection direction, const QString& port, const CloneReport& report,
                        bool promptCancelled) {
    const bool read = direction == CloneDirection::Read;
    switch (report.outcome) {
    case CloneReport::Success:
        return read ? Texts::tr("Read %1 KiB from %2")
                          .arg(qRound(CloneEngine::kReadBytes / 1024.0))
                          .arg(port)
                    : Texts::tr("Wrote %1 KiB to %2")
                          .arg(qRound(CloneEngine::kWriteBytes / 1024.0))
                          .arg(port);
    case CloneReport::AccessDenied:
        if (!promptCancelled)
            return Texts::tr("Wrong access code");
        [[fallthrough]];
    case CloneReport::Cancelled:
        return read ? Texts::tr("Read cancelled") : Texts::tr("Write cancelled");
    case CloneReport::OpenFailed:
        return Texts::tr("Open port fail: %1").arg(port);
    case CloneReport::CommunicationError:
        break;
    }
    return Texts::tr("Communication error on %1").arg(port);
}

void stampProgrammingDate(MemoryImage& image, const QDate& date) {
    const std::uint32_t d = ImageMap::kProgrammingDate;
    image.setByte(d, Bcd::toByte(date.year() % 100));
    image.setByte(d + 1, Bcd::toByte(date.year() / 100));
    image.setByte(d + 2, Bcd::toByte(date.month()));
    image.setByte(d + 3, Bcd::toByte(date.day()));
}

CloneEngine::CloneEngine(SerialLink& link, CloneFlags& flags, Hooks hooks)
    : link_(link), flags_(flags), hooks_(std::move(hooks)) {}

void CloneEngine::fail(const QString& detail) {
    throw Abort{{CloneReport::CommunicationError, Texts::tr("Communication error"), detail}};
}

void CloneEngine::send(const QByteArray& bytes) {
    if (!link_.write(bytes))
        fail(Texts::tr("Could not send to %1.").arg(port_));
}

void CloneEngine::pause(std::chrono::milliseconds duration) {
    if (hooks_.pause)
        hooks_.pause(duration);
    else
        preciseSleep(duration);
}

void CloneEngine::reportProgress(int done, int total) {
    if (hooks_.progress)
        hooks_.progress(done, total);
}

// Wake-up: the seven wake bytes one at a time, then an "A" within 500 ms of the first wrong
// byte. One attempt counter serves both handshakes of a transfer.
void CloneEngine::handshake() {
    for (;;) {
        for (char b : kWake) {
            pause(std::chrono::milliseconds(2));
            link_.purge();
            send(QByteArray(1, b));
        }
        QByteArray reply = link_.read(1);
        if (reply == kAck)
            return;
        QElapsedTimer timer;
        timer.start();
        const auto now = [&] { return hooks_.clockMs ? hooks_.clockMs() : timer.elapsed(); };
        const qint64 start = now();
        while (now() - start <= kWakeWindowMs) {
            if (link_.read(1) == kAck)
                return;
        }
        if (++attempts_ >= kMaxWakeAttempts)
            fail(Texts::tr("The radio on %1 did not answer the wake-up sequence (%2 tries).")
                     .arg(port_)
                     .arg(kMaxWakeAttempts));
    }
}

bool CloneEngine::acknowledge() {
    link_.purge();
    send(kAck);
    return link_.read(1) == kAck;
}

void CloneEngine::identify() {
    link_.purge();
    send(kIdentify);
    link_.read(kIdentificationLength); // the identification is not interpreted
    if (!acknowledge())
        fail(Texts::tr("The radio on %1 did not acknowledge its identification.").arg(port_));
}

bool CloneEngine::protectionCheckPasses() {
    link_.purge();
    send(command('R', kProtectionBlock, kBlock));
    link_.read(kHeader);
    const QByteArray block = link_.read(kBlock);
    pause(std::chrono::milliseconds(10));
    acknowledge(); // the reply to this one does not matter
    if (block.size() <= kProtectionFlagOffset ||
        std::uint8_t(block[kProtectionFlagOffset]) != kProtected)
        return true;
    const std::optional<QString> code =
        hooks_.askAccessCode ? hooks_.askAccessCode() : std::optional<QString>();
    return code && code->compare(QLatin1String(kAccessCode), Qt::CaseInsensitive) == 0;
}

void CloneEngine::readLoop(MemoryImage& image) {
    // Blocks land in a copy: a failed or cancelled read leaves the image as it was.
    MemoryImage staging = image;
    int done = 0;
    for (std::uint32_t a = kFirstReadBlock; a < 0x10000; a += kBlock) {
        link_.purge();
        send(command('R', a, kBlock));
        link_.read(kHeader);
        const QByteArray data = link_.read(kBlock);
        if (data.size() != kBlock)
            fail(
                Texts::tr("Block %1 came back with %2 of 128 bytes.").arg(hex(a)).arg(data.size()));
        std::copy_n(reinterpret_cast<const std::uint8_t*>(data.constData()), kBlock,
                    staging.at(a, kBlock).begin());
        bool acknowledged = false;
        for (int t = 0; t < kAckTries && !acknowledged; ++t) {
            pause(std::chrono::milliseconds(10));
            acknowledged = acknowledge();
        }
        if (!acknowledged)
            fail(Texts::tr("Block %1 was not acknowledged.").arg(hex(a)));
        reportProgress(++done, kReadBlocks);
        if (flags_.cancel) {
            link_.write("ENDW");
            throw Abort{{CloneReport::Cancelled, {}, Texts::tr("Read cancelled.")}};
        }
    }
    link_.write("ENDR");
    image = staging;
}

void CloneEngine::writeLoop(MemoryImage& image) {
    int done = 0;
    for (std::uint32_t a = kFirstWriteBlock; a < 0x10000;) {
        if (a == kWriteGapStart) {
            a = kWriteGapEnd;
            stampProgrammingDate(image, hooks_.today ? hooks_.today() : QDate::currentDate());
        }
        const std::uint32_t length = std::min<std::uint32_t>(kBlock - a % kBlock, 0x10000 - a);
        link_.purge();
        const auto data = image.at(a, length);
        send(command('W', a, int(length)) +
             QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(length)));
        if (link_.read(1) != kAck) {
            link_.write("ENDW");
            fail(Texts::tr("Block %1 was not acknowledged.").arg(hex(a)));
        }
        reportProgress(++done, kWriteBlocks);
        if (flags_.cancel) {
            link_.write("ENDW");
            throw Abort{{CloneReport::Cancelled, {}, Texts::tr("Write cancelled.")}};
        }
        a += length;
    }
    link_.write("ENDW");
}

CloneReport CloneEngine::run(CloneDirection direction, const QString& portName,
                             MemoryImage& image) {
    flags_.busy = true;
    flags_.cancel = false;
    port_ = portName;
    attempts_ = 0;
    CloneReport report;
    QString error;
    bool permissionDenied = false;
    if (!link_.open(portName, &error, &permissionDenied)) {
        report = {CloneReport::OpenFailed, Texts::tr("Open port fail"), error};
        if (permissionDenied)
            report.detail += u'\n' + serialAccessAdvice(portName);
        flags_.busy = false;
        return report;
    }
    try {
        handshake();
        identify();
        if (!protectionCheckPasses())
            throw Abort{{CloneReport::AccessDenied,
                         {},
                         Texts::tr("The radio is read protected; the access code was not given.")}};
        handshake();
        identify();
        if (direction == CloneDirection::Read)
            readLoop(image);
        else
            writeLoop(image);
    } catch (const Abort& abort) {
        report = abort.report;
    }
    link_.close();
    flags_.busy = false;
    return report;
}
