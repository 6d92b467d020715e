// The clone engine fed any radio replies through a scripted link, reading and writing, with
// and without the access code: it always ends with a result, writes only inside the image, and
// leaves the image as it was when a read fails.
#include "CloneEngine.h"
#include "FuzzFiles.h"
#include "MemoryImage.h"
#include "SerialLink.h"

namespace {

// Replies come from the fuzz input; once it is used up every read times out. Time passes only
// on the link's own clock.
class ScriptedLink : public SerialLink {
public:
    ScriptedLink(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool open(const QString&, QString* error, bool* permissionDenied) override {
        if (permissionDenied)
            *permissionDenied = false;
        if (error)
            error->clear();
        return true;
    }
    void close() override {}
    void purge() override {}
    QByteArray read(int n) override {
        if (n < 0)
            std::abort();
        // The next byte says how many of the n come (a short reply), the rest are the reply.
        if (at_ >= size_) {
            clock_ += 50 * n + 100;
            return {};
        }
        const std::size_t wanted = std::size_t(n);
        std::size_t count = data_[at_++] & 0x80 ? wanted : wanted * (data_[at_ - 1] & 0x7F) / 127;
        count = std::min(count, size_ - at_);
        QByteArray reply(reinterpret_cast<const char*>(data_ + at_), qsizetype(count));
        at_ += count;
        if (count < wanted)
            clock_ += 50 * n + 100;
        return reply;
    }
    bool write(const QByteArray& bytes) override {
        written_ += std::size_t(bytes.size());
        return true;
    }
    qint64 clock() const { return clock_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    qint64 clock_ = 0;
    std::size_t written_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    ScriptedLink link(data + 1, size - 1);
    CloneFlags flags;
    CloneEngine::Hooks hooks;
    hooks.pause = [](std::chrono::milliseconds) {};
    hooks.clockMs = [&link] { return link.clock(); };
    hooks.today = [] { return QDate(2026, 12, 8); };
    hooks.askAccessCode = [mode]() -> std::optional<QString> {
        if (mode & 2)
            return std::nullopt; // the prompt was cancelled
        return QString::fromLatin1(mode & 4 ? "5172kb" : "WRONG");
    };
    CloneEngine engine(link, flags, hooks);
    MemoryImage image;
    for (std::size_t i = 0; i < image.image().size(); ++i)
        image.image()[i] = std::uint8_t(i * 7);
    const MemoryImage before = image;
    const CloneDirection direction = mode & 1 ? CloneDirection::Write : CloneDirection::Read;
    const CloneReport report = engine.run(direction, QStringLiteral("/dev/fuzz"), image);
    FUZZ_ASSERT(!flags.busy);
    FUZZ_ASSERT(report.ok == (report.outcome == CloneReport::Success));
    if (direction == CloneDirection::Read) {
        if (report.outcome != CloneReport::Success)
            FUZZ_ASSERT(image == before);
    } else {
        // A write sends the image; it changes only the programming date it stamps.
        MemoryImage stamped = before;
        for (int i = 0; i < 4; ++i)
            stamped.setByte(0xFF28 + std::uint32_t(i), image.byte(0xFF28 + std::uint32_t(i)));
        FUZZ_ASSERT(image == stamped);
    }
    return 0;
}
