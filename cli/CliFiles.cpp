#include "CliFiles.h"

#include "DataFile.h"
#include "MemoryImage.h"

bool loadForCommand(const QString& path, MemoryImage& image, CliStreams& io) {
    const Result result = openDataFile(path, image);
    if (!result.ok)
        io.err << "duoband-cli: " << result.message << "\n";
    return result.ok;
}

bool saveForCommand(const QString& path, const MemoryImage& image, CliStreams& io) {
    const Result result = saveDataFile(path, image);
    if (!result.ok)
        io.err << "duoband-cli: " << result.message << "\n";
    return result.ok;
}

bool takeOutputOption(QStringList& args, QString& output) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size())
                return false;
            output = args[i + 1];
            args.remove(i, 2);
            return true;
        }
    }
    return true;
}
