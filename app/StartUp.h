#pragma once

#include <QString>

// What the program does before its main window appears: find its folder and files, read
// "Program.ini", make the data folder, and load the default data into the image.
struct StartUpResult {
    bool usedFactoryDefault = false;
};

StartUpResult startUpProgram(const QString& programDir);

// At exit only the port name goes back into "Program.ini".
void shutDownProgram();
