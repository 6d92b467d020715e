#pragma once

#include <QString>
#include <QStringList>

// Which entry of an option list a stored value chooses; -1 is "no choice". The list widgets
// and the field codecs both choose through these.
namespace ListChoice {

enum class Match {
    Prefix, // the first entry beginning with the text, ignoring case ("1" chooses "1.0")
    Exact,  // the first entry equal to the text
};

int indexOfText(const QStringList& items, const QString& text, Match match = Match::Prefix);

// The entry at `code`, or -1 when the list has no such entry.
int indexOfCode(const QStringList& items, int code);

// The entry at `index`, or "" for no choice.
QString textAt(const QStringList& items, int index);

} // namespace ListChoice
