#include "WholeFile.h"
#include "ShownPath.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// `sentence` names the file as %1 and the cause as %2.
Result failure(const QString& sentence, const QString& path, const QString& cause) {
    return Result::failure(sentence.arg(shownPath(path), cause));
}

// The device's own message, or the system's for the last error when the device has none.
// Qt's own words for a device without a message, in the language Qt speaks.
const char* const qtUnknownError = "Unknown error";

QString causeOf(const QFileDevice& file, int savedErrno) {
    const QString text = file.errorString();
    if (savedErrno != 0 &&
        (text.isEmpty() || text == QCoreApplication::translate("QIODevice", qtUnknownError)))
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return text;
}

Result writeStraight(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(Texts::tr("Cannot open \"%1\": %2"), path, causeOf(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failure(Texts::tr("Cannot write \"%1\": %2"), path, causeOf(file, errno));
    return {};
}

Result writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(Texts::tr("Cannot create \"%1\": %2"), path, causeOf(file, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failure(Texts::tr("Cannot write \"%1\": %2"), path,
                       causeOf(file, errno)); // the old file stays
    errno = 0;
    if (!file.commit())
        return failure(Texts::tr("Cannot write \"%1\": %2"), path, causeOf(file, errno));
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
    return failure(Texts::tr("Cannot write \"%1\": %2"), path,
                   S_ISDIR(st.st_mode) ? Texts::tr("it is a folder")
                                       : Texts::tr("it is not a regular file"));
}
