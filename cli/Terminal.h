#pragma once

#include <QString>
#include <optional>

// What the clone commands need of the user's terminal.
namespace Terminal {

// True when stderr is a terminal (progress bars go there and nowhere else).
bool stderrIsTerminal();
// Redraws a one-line progress bar on stderr.
void drawProgress(const char* what, int done, int total);
// Asks on the controlling terminal without echo; nullopt when there is no terminal.
std::optional<QString> askHidden(const QString& prompt);

} // namespace Terminal
