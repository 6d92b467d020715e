#include "CloneWorker.h"

#include "AccessCodeMailbox.h"
#include "SystemSerialLink.h"

CloneWorker::CloneWorker(CloneDirection direction, QString port, MemoryImage& image,
                         CloneFlags& flags, QObject* asker, AccessCodeMailbox& mailbox,
                         CloneEngine::Hooks timing)
    : direction_(direction), port_(std::move(port)), image_(image), flags_(flags), asker_(asker),
      mailbox_(mailbox), timing_(std::move(timing)) {}

void CloneWorker::run() {
    CloneEngine::Hooks hooks = timing_;
    hooks.progress = [this](int done, int total) { Q_EMIT progressed(done, total); };
    hooks.askAccessCode = [this]() -> std::optional<QString> {
        QMetaObject::invokeMethod(asker_, "askAccessCode", Qt::BlockingQueuedConnection);
        return mailbox_.take();
    };
    // The port object is made here, in the thread that uses it.
    SystemSerialLink link;
    CloneEngine engine(link, flags_, hooks);
    const CloneReport report = engine.run(direction_, port_, image_);
    Q_EMIT finished(report.outcome, report.message, report.detail);
}

#include "moc_CloneWorker.cpp"
