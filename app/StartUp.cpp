#include "StartUp.h"

#include "AppConfig.h"
#include "BandTable.h"
#include "DefaultData.h"
#include "MemoryImage.h"

StartUpResult startUpProgram(const QString& programDir) {
    AppConfig& config = theConfig();
    config = AppConfig::startUp(AppPaths::forProgramDir(programDir));
    // The working band limits are the built-in ones until a Read or an Open.
    const DefaultSource source =
        loadDefaultData(theImage(), config.paths.defaultDataFile, kAbsoluteBands);
    return {source == DefaultSource::Factory};
}

void shutDownProgram() {
    theConfig().saveAtExit();
}
