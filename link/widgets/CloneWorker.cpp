#include "CloneWorker.h"

#include "QtSerialLink.h"

CloneWorker::CloneWorker(CloneDirection direction, QString port, MemoryImage& image,
                         CloneFlags& flags, QObject* asker)
    : direction_(direction), port_(std::move(port)), image_(image), flags_(flags), asker_(asker) {}

void CloneWorker::run() {
    CloneEngine::Hooks hooks;
    hooks.progress = [this](int done, int total) { Q_EMIT progressed(done, total); };
    hooks.askAccessCode = [this]() -> std::optional<QString> {
        QVariant answer;
        QMetaObject::invokeMethod(asker_, "askAccessCode", Qt::BlockingQueuedConnection,
                                  Q_RETURN_ARG(QVariant, answer));
        if (answer.isNull())
            return std::nullopt;
        return answer.toString();
    };
    // The port object is made here, in the thread that uses it.
    QtSerialLink link;
    CloneEngine engine(link, flags_, hooks);
    const CloneReport report = engine.run(direction_, port_, image_);
    Q_EMIT finished(report.outcome, report.message, report.detail);
}
