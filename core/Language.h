#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The language people read the program in. What programs read (data files, CSV, Program.ini,
// exit codes) never depends on it: lists and labels are kept in English in the tables, marked
// QT_TRANSLATE_NOOP("Radio", ...), and translated only where they are shown.
namespace Language {

// The languages offered in Setting > Language, by code: "" follows the system.
struct Choice {
    const char* code;
    const char* name; // in its own language; the system entry is translated
};
const std::vector<Choice>& choices();

// Loads the program's and Qt's own translations for `code` ("" = the system's language, as
// LANG / LC_MESSAGES or the desktop say; "C" or an unknown one gives English). Returns the
// language loaded ("en" when none was).
QString install(const QString& code = {});
// The language install() loaded: "en", "de", "es".
QString current();

// The radio program's own texts (field labels, list entries, column titles) as shown; a label
// its table numbers ("Decode A Format") is shown as its pattern's translation ("Decode %1 Format").
QString shown(const QString& radioText);
QStringList shown(const QStringList& radioTexts);

} // namespace Language
