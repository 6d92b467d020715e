#include "WholeFile.h"
#include "ShownPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

Result failure(const char* what, const QString& path, const QString& cause) {
    return Result::failure(
        QStringLiteral("%1 \"%2\": %3").arg(QLatin1String(what), shownPath(path), cause));
}

// The device's own message, or the system's for the last error when the device has none.
QString causeOf(const QFileDevice& file, int savedErrno) {
    const QString text = file.errorString();
    if (savedErrno != 0 && (text.isEmpty() || text == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return text;
}

Result writeStraight(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure("Cannot open", path, causeOf(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failure("Cannot write", path, causeOf(file, errno));
    return {};
}

Result writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure("Cannot create", path, causeOf(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failure("Cannot write", path, causeOf(file, errno)); // the old file stays
    errno = 0;
    if (!file.commit())
        return failure("Cannot write", path, causeOf(file, errno));
    return {};
}

} // namespace

Result writeWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) != 0)
        return writeAtomically(target, bytes); // nothing there yet (or unreachable: says why)
    if (S_ISREG(st.st_mode))
        return writeAtomically(target, bytes);
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
        return writeStraight(target, bytes);
    return failure("Cannot write", path,
                   S_ISDIR(st.st_mode) ? QStringLiteral("it is a folder")
                                       : QStringLiteral("it is not a regular file"));
}
