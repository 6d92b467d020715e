#include "StartUp.h"

#include "AppConfig.h"

void startUpProgram(const QString& programDir) {
    theConfig() = AppConfig::startUp(AppPaths::forProgramDir(programDir));
}

void shutDownProgram() {
    theConfig().saveAtExit();
}
