#include "Language.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Resources of a static library are registered by hand, outside any namespace.
static void loadTranslationResources() {
#ifdef DUOBAND_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}

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

} // namespace

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
    return QFileInfo(program.filePath()).completeBaseName().section(u'_', 1);
}

QString shown(const QString& radioText) {
    if (radioText.isEmpty())
        return radioText;
    return QCoreApplication::translate("Radio", radioText.toUtf8().constData());
}

QStringList shown(const QStringList& radioTexts) {
    QStringList list;
    list.reserve(radioTexts.size());
    for (const QString& t : radioTexts)
        list << shown(t);
    return list;
}

} // namespace Language
