#pragma once

#include "CloneEngine.h"

class QWidget;

// The Port, Read and Write commands on the program's image and configuration.
namespace RadioCommands {

// Shows the "Port" dialog; on "OK" the current port name becomes the choice. Returns whether
// the port name changed.
bool choosePort(QWidget* parent);

// Runs the "Read" or "Write" progress dialog on the program's image and port. Returns whether
// the transfer completed.
bool transfer(CloneDirection direction, QWidget* parent);

} // namespace RadioCommands
