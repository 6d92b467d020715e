// The backups of what radios held, for the command line: kept after every read, and listed by
// `duoband-cli backups`.
#include "AppConfig.h"
#include "CliClone.h"
#include "Command.h"
#include "DataFile.h"
#include "MemoryImage.h"
#include "RadioBackups.h"
#include "Texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

QString backupRoot() {
    // DUOBAND_DATA_DIR puts the data folder elsewhere (a test, a shared folder).
    const QString data =
        qEnvironmentVariableIsSet("DUOBAND_DATA_DIR")
            ? qEnvironmentVariable("DUOBAND_DATA_DIR")
            : AppPaths::forProgramDirOf(QCoreApplication::applicationDirPath()).dataFolder;
    return RadioBackups::folderIn(data);
}

void keepBackup(const MemoryImage& read, CliStreams& io) {
    const RadioBackups::Kept kept = RadioBackups::keep(backupRoot(), read);
    if (!kept.ok)
        io.err << Texts::tr("duoband-cli: warning: no backup kept: ") << kept.message << "\n";
    else if (kept.added)
        io.err << Texts::tr("Backup kept: ") << QDir::toNativeSeparators(kept.path) << "\n";
}

int runBackups(const QStringList& args, CliStreams& io) {
    QCommandLineParser parser;
    const QCommandLineOption radio(QStringLiteral("radio"),
                                   Texts::tr("Only the radio with this serial number."),
                                   QStringLiteral("SERIAL"));
    parser.addOption(radio);
    if (const auto done = parseVerb(parser, "backups", args, io))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(io, "backups", Texts::tr("no files are given"));
    const QString root = backupRoot();
    const std::vector<RadioBackups::Backup> backups = RadioBackups::list(root, parser.value(radio));
    for (const RadioBackups::Backup& b : backups)
        io.out << b.radio << "  " << RadioBackups::shownTime(b.taken) << "  "
               << QDir::toNativeSeparators(b.path) << "\n";
    io.err << Texts::tr("%n backup(s) in %1", nullptr, int(backups.size()))
                  .arg(QDir::toNativeSeparators(root))
           << "\n";
    return kExitOk;
}
