#include "ChannelTable.h"
#include "CliRunner.h"
#include "CommandRegistry.h"
#include "FileCommands.h"
#include "GridControl.h"
#include "HelpCatalog.h"
#include "Language.h"
#include "MainWindowFixture.h"
#include "WidgetLookup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// The German and Spanish translations: complete, kept up to date with the sources, used by
// every form, and without a say in what files and the command line's data hold.
class TranslationTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translationsAreCompleteAndCurrent();
    void noTextIsTranslatedBeforeTheLanguageLoads();
    void filesAreTheSameInEveryLanguage();
    void commandLineSpeaksTheLanguageButKeepsItsExitCodes();
    void formsShowNoEnglishText_data();
    void formsShowNoEnglishText();
};

namespace {

const QString kSources = QStringLiteral(DUOBAND_SOURCE_DIR);

struct TsEntry {
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

std::vector<TsEntry> readTs(const QString& path) {
    std::vector<TsEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    TsEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            entry = {xml.readElementText(), {}, {}};
        } else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries.push_back(entry);
        }
    }
    return entries;
}

QString lupdatePath() {
    const QString beside = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate";
    return QFileInfo::exists(beside) ? beside : QStringLiteral("/usr/lib/qt6/bin/lupdate");
}

// English texts a German or Spanish user must never meet: sources whose translation differs,
// and messages made from them ("Save changes to %1?" with its file named).
class EnglishTexts {
public:
    explicit EnglishTexts(const QString& language) {
        static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        for (const TsEntry& e : readTs(kSources + "/translations/duoband_" + language + ".ts")) {
            if (e.translation == e.source || e.source.size() <= 1)
                continue;
            const QString source = QString(e.source).remove(u'&');
            texts_.insert(source);
            // A message with too few words of its own would match any text.
            if (!source.contains(placeholder) || QString(source).remove(placeholder).size() <= 4)
                continue;
            QStringList pieces = source.split(placeholder);
            for (QString& piece : pieces)
                piece = QRegularExpression::escape(piece);
            messages_.emplace_back(QRegularExpression::anchoredPattern(pieces.join(".+")),
                                   QRegularExpression::DotMatchesEverythingOption);
        }
    }
    bool contains(const QString& shown) const {
        const QString text = QString(shown).remove(u'&');
        return texts_.contains(text) ||
               std::any_of(messages_.cbegin(), messages_.cend(),
                           [&](const QRegularExpression& m) { return m.match(text).hasMatch(); });
    }

private:
    QSet<QString> texts_;
    std::vector<QRegularExpression> messages_;
};

CliRun runCliIn(const QString& lang, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    setLanguage(env, lang);
    p.setProcessEnvironment(env);
    p.start(cliPath(), args);
    CliRun run;
    if (!p.waitForFinished(30000))
        return run;
    run.exitCode = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// lupdate run over the sources into a copy of each .ts finds nothing new, nothing gone and
// leaves no entry unfinished.
void TranslationTests::translationsAreCompleteAndCurrent() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList folders;
    for (const char* f : {"core", "radio", "link", "channels", "settings", "report", "widgets",
                          "help", "app", "cli"})
        folders << kSources + "/" + f;
    // English holds only the plural forms of the texts with %n.
    for (const char* language : {"de", "es", "en"}) {
        const bool pluralsOnly = qstrcmp(language, "en") == 0;
        const QString copy = dir.filePath(QStringLiteral("duoband_%1.ts").arg(language));
        QVERIFY(QFile::copy(kSources + "/translations/duoband_" + language + ".ts", copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QProcess lupdate;
        lupdate.start(lupdatePath(),
                      folders + QStringList{"-locations", "none", "-ts", copy} +
                          (pluralsOnly ? QStringList{"-pluralonly"} : QStringList{}));
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitCode(), 0);
        const std::vector<TsEntry> entries = readTs(copy);
        QVERIFY(entries.size() > (pluralsOnly ? 20u : 600u));
        QStringList open;
        for (const TsEntry& e : entries)
            if (!e.type.isEmpty() || e.translation.trimmed().isEmpty())
                open << e.type + ": " + e.source;
        QVERIFY2(open.isEmpty(), qPrintable(QString(language) + ":\n" + open.join(u'\n')));
    }
}

// A file's constant is made before the program loads its language, and would stay English: such
// texts are asked for when used (a function's static is made at its first use, which is later).
void TranslationTests::noTextIsTranslatedBeforeTheLanguageLoads() {
    static const QRegularExpression early(
        QStringLiteral("^(static )?const [\\w:<>]+ \\w+ =[^;]*\\btr\\("),
        QRegularExpression::MultilineOption);
    QStringList found;
    for (const char* folder : {"core", "radio", "link", "channels", "settings", "report", "widgets",
                               "help", "app", "cli"}) {
        QDirIterator files(kSources + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : early.globalMatch(text))
                found << file.fileName() + ": " + match.captured(0);
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// A channel list exported under German, Spanish and C is the same file, and imports into the
// same data file whatever language the import runs in.
void TranslationTests::filesAreTheSameInEveryLanguage() {
    QTemporaryDir dir;
    const QString data = dir.filePath("in.dat");
    QCOMPARE(runCliIn("C", {"new", "-o", data}).exitCode, 0);
    // Channels with list values, so that the export holds list texts.
    const QString list = dir.filePath("list.csv");
    QFile csv(list);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(
        "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,Bandwidth,"
        "Signaling,Name\r\n"
        "2,145.50000,145.50000,Ctcss Codec,88.5,023,Positive,Low,Skip,Narrow,DTMF,HOME\r\n"
        "3,438.50000,431.10000,Dcs Codec,100.0,754,Invert,Middle 1,Priority,Wide,Off,RPT\r\n");
    csv.close();
    QByteArray exported, imported;
    for (const char* lang : {"C", "de_DE.UTF-8", "es_ES.UTF-8"}) {
        const QString out = dir.filePath(QStringLiteral("out-%1.dat").arg(lang));
        const CliRun import = runCliIn(lang, {"import", data, list, "-o", out});
        QVERIFY2(import.exitCode == 0, qPrintable(import.err));
        const QString csvOut = dir.filePath(QStringLiteral("out-%1.csv").arg(lang));
        QCOMPARE(runCliIn(lang, {"export", out, "-o", csvOut}).exitCode, 0);
        if (exported.isEmpty()) {
            exported = bytesOf(csvOut);
            imported = bytesOf(out);
            QVERIFY(exported.contains("Ctcss Codec") && exported.contains("Middle 1"));
        }
        QCOMPARE(bytesOf(csvOut), exported);
        QCOMPARE(bytesOf(out), imported);
        // What one language exported, another imports to the same bytes.
        const QString again = dir.filePath(QStringLiteral("again-%1.dat").arg(lang));
        QCOMPARE(runCliIn(lang, {"import", data, dir.filePath("out-C.csv"), "-o", again}).exitCode,
                 0);
        QCOMPARE(bytesOf(again), imported);
    }
}

void TranslationTests::commandLineSpeaksTheLanguageButKeepsItsExitCodes() {
    const CliRun german = runCliIn("de_DE.UTF-8", {"info", "/no/such/file.dat"});
    const CliRun spanish = runCliIn("es_ES.UTF-8", {"info", "/no/such/file.dat"});
    const CliRun english = runCliIn("C", {"info", "/no/such/file.dat"});
    QCOMPARE(german.exitCode, english.exitCode);
    QCOMPARE(spanish.exitCode, english.exitCode);
    QVERIFY2(english.err.contains("Cannot open"), qPrintable(english.err));
    QVERIFY2(german.err.contains(QString::fromUtf8("kann nicht geöffnet werden")),
             qPrintable(german.err));
    QVERIFY2(spanish.err.contains("No se puede abrir"), qPrintable(spanish.err));
    QVERIFY(runCliIn("de_DE.UTF-8", {"--help"}).out.contains("Befehle:"));
    QCOMPARE(runCliIn("de_DE.UTF-8", {"frobnicate"}).exitCode, 2);
}

void TranslationTests::formsShowNoEnglishText_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << "de";
    QTest::newRow("es") << "es";
}

// Every registry form opened in the main window, every menu: no text a user reads is an
// English source text with a different translation; each menu's mnemonics are its own.
// The language is loaded once per process, so each language runs in a process of its own.
void TranslationTests::formsShowNoEnglishText() {
    QFETCH(QString, language);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DUOBAND_TRANSLATION_WALK", language);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(100000));
    const QString out =
        QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    QVERIFY2(child.exitCode() == 0, qPrintable(out));
    QVERIFY2(out.contains("walked"), qPrintable(out));
}

namespace {

QStringList visibleTexts(QWidget* root) {
    QStringList texts;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        else if (auto* number = qobject_cast<QAbstractSpinBox*>(w))
            texts << number->text(); // "Off" and the like shown for 0
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
            texts << w->windowTitle();
    }
    return texts;
}

// A list entry chosen by its translated text, with the keyboard, is stored as the English entry
// the data and the CSV keep ("Dcs Codec"); the cell shows it translated. Returns the problems.
QStringList chooseInTheList(MainWindow& frame, ChannelTableView& table) {
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame))
        return {QStringLiteral("the main window did not become active")};
    GridControl* grid = table.grid();
    const int column = ChannelTable::DecodeType;
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, grid->cellRect(1, column).center());
    QComboBox* list = nullptr;
    for (int i = 0; i < 100 && !list; ++i, QTest::qWait(20))
        list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    if (!list)
        return {QStringLiteral("no list opened in the Decode Type cell")};
    const int wanted = list->findText(Language::shown(QStringLiteral("Dcs Codec")));
    if (wanted < 0 || list->itemText(wanted) == QLatin1String("Dcs Codec"))
        return {QStringLiteral("the list does not offer Dcs Codec translated")};
    for (int i = 0; i < 10 && list->currentIndex() != wanted; ++i)
        QTest::keyClick(list, list->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    table.SaveToImage();
    MemoryImage image = frame.document().image();
    BandState bands = frame.document().bands();
    ChannelTable stored(image, bands);
    stored.fill();
    QStringList problems;
    if (stored.text(1, column) != QLatin1String("Dcs Codec"))
        problems << QStringLiteral("Decode Type stored as \"%1\"").arg(stored.text(1, column));
    if (grid->text(1, column) != list->itemText(wanted))
        problems << QStringLiteral("Decode Type shown as \"%1\"").arg(grid->text(1, column));
    return problems;
}

// Run in the child process: returns the problems found.
QStringList walkForms(const QString& language) {
    QStringList problems;
    if (Language::install(language) != language)
        return {QStringLiteral("the %1 translation did not load").arg(language)};
    const EnglishTexts english(language);
    QTemporaryDir dir;
    Document document;
    AppConfig config;
    if (!prepareProgramFolder(dir, "duoband-translation-tests"))
        return {QStringLiteral("no program folder")};
    MainWindow* frame = openMainWindow(document, config, dir.path());
    for (QAction* menu : frame->menuBar()->actions()) {
        QSet<QChar> keys;
        QStringList texts = {menu->text()};
        for (QAction* a : menu->menu()->actions()) {
            if (a->isSeparator())
                continue;
            texts << a->text().section(u'\t', 0, 0);
            const qsizetype amp = a->text().indexOf(u'&');
            if (amp >= 0 && amp + 1 < a->text().size()) {
                const QChar key = a->text()[amp + 1].toLower();
                if (keys.contains(key))
                    problems << QStringLiteral("menu %1: mnemonic %2 twice").arg(menu->text(), key);
                keys.insert(key);
            }
        }
        for (const QString& t : texts)
            if (english.contains(t))
                problems << QStringLiteral("menu %1: %2").arg(menu->text(), t);
    }
    // A field's tip is its help summary in the language of the help (German has its own).
    auto checkTip = [&](const QString& form, const QString& label) {
        const QString tip = HelpCatalog::builtIn(language).summary(label, form);
        QWidget* field = byName<QWidget>(*frame, label);
        if (!field || tip.isEmpty() || field->toolTip() != tip ||
            (language == QLatin1String("de") && tip == HelpCatalog::builtIn().summary(label, form)))
            problems << form + ": the tip of " + label + " is \"" +
                            (field ? field->toolTip() : QStringLiteral("no field")) + "\"";
    };
    auto check = [&](const QString& where, QWidget* root) {
        for (const QString& t : visibleTexts(root))
            if (english.contains(t))
                problems << where + ": " + t;
    };
    // A dialog the command opens is looked at and closed unchanged.
    auto checkDialog = [&](const QString& where, const std::function<void()>& open) {
        auto* responder = ModalResponder::answer<QDialog>(
            [&](QDialog* dialog) {
                check(where, dialog);
                dialog->close();
            },
            nullptr);
        open();
        if (!responder->answered)
            problems << where + ": no dialog opened";
        delete responder;
    };
    for (const CommandEntry& entry : commandRegistry()) {
        if (entry.makeForm) {
            frame->runCommand(entry);
            QApplication::processEvents();
            check(entry.text, frame);
            if (entry.text == QLatin1String("Basic setting"))
                checkTip(entry.text, QStringLiteral("SQL(Left)"));
            frame->mdiArea()->closeAllSubWindows();
        } else {
            checkDialog(entry.text, [&] { frame->runCommand(entry); });
        }
    }
    frame->runCommand(*findCommand(QStringLiteral("Channel setting")));
    if (ChannelTableView* table = channelView(*frame)) {
        checkDialog(QStringLiteral("Channel edit"), [table] { table->openChannelEdit(1); });
        problems << chooseInTheList(*frame, *table);
        // Message boxes: the question before the change just made is dropped, and a file that
        // cannot be opened.
        checkDialog(QStringLiteral("Save question"), [frame] { frame->files()->maybeSave(); });
        checkDialog(QStringLiteral("Open error"),
                    [&] { frame->files()->openPath(dir.filePath("missing.dat")); });
    } else {
        problems << QStringLiteral("no channel table");
    }
    frame->mdiArea()->closeAllSubWindows();
    closeWithoutSaving(frame, nullptr);
    problems.removeDuplicates();
    return problems;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (const QString language = qEnvironmentVariable("DUOBAND_TRANSLATION_WALK");
        !language.isEmpty()) {
        const QStringList problems = walkForms(language);
        QTextStream(stdout) << problems.join(u'\n') << "\n"
                            << (problems.isEmpty() ? "walked\n" : "");
        return problems.isEmpty() ? 0 : 1;
    }
    TranslationTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_translations.moc"
