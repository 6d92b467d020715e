#pragma once

// The serial link of the system the program runs on: QtSerialPort on Linux, the Win32 comm API
// on Windows. Create it in the thread that uses it.
#include <QtGlobal>
#ifdef Q_OS_WIN
#include "Win32SerialLink.h"
using SystemSerialLink = Win32SerialLink;
#else
#include "QtSerialLink.h"
using SystemSerialLink = QtSerialLink;
#endif
