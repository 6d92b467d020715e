#pragma once

#include <QCoreApplication>

// tr() for the program's texts outside a QObject: Texts::tr("...") and, for counts,
// Texts::tr("%n channel(s)", nullptr, n). One context serves them all.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Duoband)
};
