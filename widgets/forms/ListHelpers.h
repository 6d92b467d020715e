#pragma once

#include "ListChoice.h"

#include <QString>
#include <QStringList>

class QComboBox;

// Choosing list entries the way every form does (see ListChoice for the rules).
namespace ListHelpers {

using ListChoice::Match;

// With Match::Prefix the first entry whose text begins with `text`, ignoring case ("1" chooses
// "1.0"); with Match::Exact the entry equal to it. With no such entry the list is left without
// a choice.
void selectByText(QComboBox* list, const QString& text, Match match = Match::Prefix);

// The entry at `code`, or no choice when the list has no such entry.
void selectCode(QComboBox* list, int code);

// A list without a choice gets the entry at `fallback`, or with `byText` the entry that
// selectByText chooses for the fallback printed with "%d". A list with a choice stays.
void ensureSelection(QComboBox* list, int fallback, bool byText = false);

// The number at the start of the chosen text ("Off" and no choice give 0).
int chosenNumber(const QComboBox* list);

// The entries of a list, in order: as added with addEntries (in English), else as shown.
QStringList itemsOf(const QComboBox* list);

// Adds `items`, shown translated; currentEntry() and itemsOf() give them back as they are.
void addEntries(QComboBox* list, const QStringList& items);
// The chosen entry as added (no choice: the list's text).
QString currentEntry(const QComboBox* list);

// "1" ... "last", from `first`.
QStringList numberItems(int first, int last);
// A list of `items` named `name` (its accessible name).
QComboBox* newList(const QString& name, const QStringList& items);

} // namespace ListHelpers
