#pragma once

#include "DataFile.h"
#include "FactoryDefault.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// A program folder for main-window tests: the factory default as Default.dat and a Program.ini
// naming port COM3, model M1 and company C1; settings kept apart from the user's under
// `application`, and empty.
inline bool prepareProgramFolder(const QTemporaryDir& dir, const char* application) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Belmora");
    QCoreApplication::setApplicationName(application);
    QSettings().clear();
    if (!dir.isValid() || !saveDataFile(dir.filePath("Default.dat"), buildFactoryDefault()).ok)
        return false;
    QFile ini(dir.filePath("Program.ini"));
    return ini.open(QIODevice::WriteOnly) &&
           ini.write("[Setup]\nCOM=COM3\nModel=M1\nCompany=C1\n") > 0;
}
