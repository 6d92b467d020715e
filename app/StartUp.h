#pragma once

#include <QString>

// What the program does before its main window appears: find its folder and files, read
// "Program.ini" and make the data folder.
void startUpProgram(const QString& programDir);

// At exit only the port name goes back into "Program.ini".
void shutDownProgram();
