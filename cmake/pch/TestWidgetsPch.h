// What a widget test suite includes: the widget headers and QtTest.
#pragma once

#include "WidgetsPch.h"

#include <QTemporaryDir>
#include <QTest>
