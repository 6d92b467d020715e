// What a GUI-free test suite includes: the core headers and QtTest.
#pragma once

#include "CorePch.h"

#include <QTemporaryDir>
#include <QTest>
