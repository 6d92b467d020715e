#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

// Resources of a static library are registered by hand, outside any namespace.
static void loadTranslationResources() {
#ifdef DUOBAND_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}

// English plural forms ("1 channel", "3 channels") for every program from its start: the texts
// say "%n channel(s)", and a translation loaded later answers before them.
static void installEnglishPlurals() {
    loadTranslationResources();
    static QTranslator plurals;
    if (plurals.load(QStringLiteral(":/i18n/duoband_en.qm")))
        QCoreApplication::installTranslator(&plurals);
}
Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)

namespace Language {

const std::vector<Choice>& choices() {
    static const std::vector<Choice> all = {{"", QT_TRANSLATE_NOOP("Language", "System")},
                                            {"en", "English"},
                                            {"de", "Deutsch"},
                                            {"es", "Espa\u00f1ol"}};
    return all;
}

namespace {

// Qt's own texts (file and print dialogs, standard buttons): Qt's folder, else a
// "translations" folder beside the program (the Windows package).
bool loadQtTexts(QTranslator& translator, const QLocale& locale) {
    for (const QString& dir :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")})
        if (translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir))
            return true;
    return false;
}

QString& loaded() {
    static QString code = QStringLiteral("en");
    return code;
}

// "Decode A Format" is its table's "Decode %1 Format" with A: a label numbered by its table is
// translated as its pattern. The last number, else a lone letter A-F, is tried.
QString numberedTranslation(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(?=\\D*$)"));
    static const QRegularExpression letter(QStringLiteral("(?<![A-Za-z])[A-F](?![A-Za-z])"));
    for (const QRegularExpression* token : {&number, &letter}) {
        const QRegularExpressionMatch m = token->match(text);
        if (!m.hasMatch())
            continue;
        const QString pattern =
            QString(text).replace(m.capturedStart(), m.capturedLength(), QStringLiteral("%1"));
        const QString translated =
            QCoreApplication::translate("Radio", pattern.toUtf8().constData());
        if (translated != pattern)
            return translated.arg(m.captured());
    }
    return text;
}

} // namespace

QString current() {
    return loaded();
}

QString install(const QString& code) {
    loadTranslationResources();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    if (code == QLatin1String("en") || locale.language() == QLocale::C)
        return QStringLiteral("en");
    static QTranslator program, qt;
    if (!program.load(locale, QStringLiteral("duoband"), QStringLiteral("_"),
                      QStringLiteral(":/i18n")))
        return QStringLiteral("en");
    QCoreApplication::installTranslator(&program);
    if (loadQtTexts(qt, locale))
        QCoreApplication::installTranslator(&qt);
    loaded() = QFileInfo(program.filePath()).completeBaseName().section(u'_', 1);
    return loaded();
}

QString shown(const QString& radioText) {
    if (radioText.isEmpty() || loaded() == QLatin1String("en"))
        return radioText;
    const QString translated = QCoreApplication::translate("Radio", radioText.toUtf8().constData());
    return translated != radioText ? translated : numberedTranslation(radioText);
}

QStringList shown(const QStringList& radioTexts) {
    QStringList list;
    list.reserve(radioTexts.size());
    for (const QString& t : radioTexts)
        list << shown(t);
    return list;
}

} // namespace Language
