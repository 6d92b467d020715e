#include "AppConfig.h"
#include "CommandRegistry.h"
#include "Document.h"
#include "FormFrame.h"
#include "GridControl.h"
#include "HelpCatalog.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "TabbedFormView.h"
#include "WidgetLookup.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

namespace {

FormView* viewOf(QMdiSubWindow* window) {
    return qobject_cast<FormFrame*>(window->widget())->view();
}

// The controls a user sees and edits: lists, text and number fields, check boxes and grids.
bool isEditedControl(QWidget* w) {
    if (qobject_cast<QLineEdit*>(w) &&
        (qobject_cast<QComboBox*>(w->parent()) || qobject_cast<QAbstractSpinBox*>(w->parent())))
        return false; // the text part of a list or spin box
    return qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QCheckBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<GridControl*>(w);
}

} // namespace

class HelpTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void topicFilesReadAsWritten();
    void everyLinkLeadsToATopic();
    void germanHelpCoversEveryTopicAndField();
    void everyFormAndTabHasATopic();
    void everyShownFieldHasASummary();
    void f1OnTheTotTabOpensItsTopic();
    void helpTopicsOpensTheContents();
    void indexAndSearchLeadToTopics();

private:
    QTemporaryDir dir;
    Document document;
    AppConfig config;
    MainWindow* frame = nullptr;
};

void HelpTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandHelpTest"));
}

void HelpTests::init() {
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
}

void HelpTests::cleanup() {
    closeWithoutSaving(frame, this);
}

void HelpTests::topicFilesReadAsWritten() {
    const HelpCatalog catalog = HelpCatalog::fromText(
        {"@topic 7 First\n@also 8 9\n@form Form\nOne line\nand its end.\n\nSecond "
         "[[12 other]] <b>.\n@field A & B | What A does.\n",
         "@topic 12 Other\n@field A & B | Another A.\n"});
    QCOMPARE(catalog.topics().size(), std::size_t(2));
    const HelpCatalog::Topic* first = catalog.topic(9);
    QVERIFY(first && first == catalog.topic(7));
    QCOMPARE(first->paragraphs, (QStringList{"One line and its end.", "Second [[12 other]] <b>."}));
    QCOMPARE(catalog.summary("A & B", "Form"), QStringLiteral("What A does."));
    QCOMPARE(catalog.summary("A & B", "Nowhere"), QStringLiteral("What A does.")); // any topic's
    QCOMPARE(catalog.summary("Missing"), QString());
    const QString html = catalog.html(*first);
    QVERIFY(html.contains("<a href=\"topic:12\">other</a>"));
    QVERIFY(html.contains("&lt;b&gt;")); // text stays text
    QVERIFY(html.contains("<b>A &amp; B</b>"));
    QVERIFY(!catalog.topic(99));
}

void HelpTests::everyLinkLeadsToATopic() {
    const HelpCatalog& help = HelpCatalog::builtIn();
    QVERIFY(help.contents());
    QVERIFY(help.topics().size() > 15);
    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    int links = 0;
    for (const HelpCatalog::Topic& topic : help.topics()) {
        QVERIFY2(!topic.paragraphs.isEmpty(), qPrintable(topic.title));
        for (const auto& match : link.globalMatch(help.html(topic))) {
            ++links;
            QVERIFY2(help.topic(match.captured(1).toInt()),
                     qPrintable(topic.title + ": " + match.captured(0)));
        }
    }
    QVERIFY(links > 20);
}

// The German topics stand for the English ones: the same contexts, forms and field names (the
// program looks fields up by their English label), every link leading to a topic.
void HelpTests::germanHelpCoversEveryTopicAndField() {
    const HelpCatalog& english = HelpCatalog::builtIn();
    const HelpCatalog& german = HelpCatalog::builtIn(QStringLiteral("de"));
    QCOMPARE(german.topics().size(), english.topics().size());
    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    for (std::size_t i = 0; i < english.topics().size(); ++i) {
        const HelpCatalog::Topic& e = english.topics()[i];
        const HelpCatalog::Topic& d = german.topics()[i];
        QCOMPARE(d.context, e.context);
        QCOMPARE(d.alsoContexts, e.alsoContexts);
        QCOMPARE(d.form, e.form);
        QCOMPARE(d.paragraphs.size(), e.paragraphs.size());
        QVERIFY2(d.title != e.title || d.title == QLatin1String("VFO") ||
                     d.title == QLatin1String("DTMF") || d.title == QLatin1String("Alarm"),
                 qPrintable(e.title)); // translated, unless the word is the same
        QStringList englishFields, germanFields;
        for (const HelpCatalog::Field& f : e.fields)
            englishFields << f.label;
        for (const HelpCatalog::Field& f : d.fields) {
            germanFields << f.label;
            QVERIFY2(f.summary != english.summary(f.label, e.form), qPrintable(f.label));
        }
        QCOMPARE(germanFields, englishFields);
        for (const auto& match : link.globalMatch(german.html(d)))
            QVERIFY2(german.topic(match.captured(1).toInt()),
                     qPrintable(d.title + ": " + match.captured(0)));
    }
}

// The help contexts the forms, their tabs and the other commands ask for.
void HelpTests::everyFormAndTabHasATopic() {
    const HelpCatalog& help = HelpCatalog::builtIn();
    for (const CommandEntry& command : commandRegistry()) {
        if (command.helpContext() != 0)
            QVERIFY2(help.topic(command.helpContext()), qPrintable(command.text));
        if (command.kind != CommandKind::FormWindow)
            continue;
        QMdiSubWindow* window = frame->openForm(command.text);
        QVERIFY(window);
        auto* frameOfForm = qobject_cast<FormFrame*>(window->widget());
        QVERIFY2(help.topic(frameOfForm->helpContext()), qPrintable(command.text));
        if (auto* tabbed = qobject_cast<TabbedFormView*>(viewOf(window)))
            for (int t = 0; t < tabbed->tabs()->count(); ++t) {
                tabbed->tabs()->setCurrentIndex(t);
                QVERIFY2(help.topic(frameOfForm->helpContext()),
                         qPrintable(command.text + " " + tabbed->tabs()->tabText(t)));
            }
    }
    QVERIFY(help.topic(32789)); // Basic setting with no tab chosen
}

void HelpTests::everyShownFieldHasASummary() {
    int fields = 0;
    for (const CommandEntry& command : commandRegistry()) {
        if (command.kind != CommandKind::FormWindow)
            continue;
        QMdiSubWindow* window = frame->openForm(command.text);
        for (QWidget* w : viewOf(window)->findChildren<QWidget*>()) {
            if (!isEditedControl(w) || w->accessibleName().isEmpty() || w->isHidden())
                continue;
            ++fields;
            QVERIFY2(!w->toolTip().isEmpty(),
                     qPrintable(command.text + ": " + w->accessibleName()));
        }
    }
    QVERIFY(fields > 150);
    // Every field of every form's tables, shown or not, is described for its form.
    for (const FormInfo& form : formCatalog())
        for (const FieldTableAt& table : form.fieldTables)
            for (const FieldDescription& f : *table.fields)
                QVERIFY2(f.hidden || !HelpCatalog::builtIn().summary(f.label, form.text).isEmpty(),
                         qPrintable(form.text + ": " + f.label));
    QCOMPARE(HelpCatalog::builtIn().summary("SQL(Left)", "Basic setting"),
             byName<QComboBox>(*frame->formWindow("Basic setting"), "SQL(Left)")->toolTip());
}

void HelpTests::f1OnTheTotTabOpensItsTopic() {
    QMdiSubWindow* basic = frame->openForm("Basic setting");
    auto* tabbed = qobject_cast<TabbedFormView*>(viewOf(basic));
    QTabWidget* tabs = tabbed->tabs();
    int tot = -1;
    for (int t = 0; t < tabs->count(); ++t)
        if (tabs->tabText(t) == "TOT")
            tot = t;
    QVERIFY(tot >= 0);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tot).center());
    QCOMPARE(tabs->currentIndex(), tot);
    auto* field = byName<QWidget>(*tabs->currentWidget(), "TOT (min)");
    QVERIFY(field);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_F1);
    HelpWindow* help = frame->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->shownContext(), 146);
    QVERIFY(help->page()->toPlainText().contains("time-out timer"));
    QVERIFY(help->page()->toPlainText().contains("TOT pre-alert (s)"));
}

void HelpTests::helpTopicsOpensTheContents() {
    frame->action("Help Topics")->trigger();
    HelpWindow* help = frame->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->shownContext(), 0);
    // A link on the page leads to its topic, in the same window.
    Q_EMIT help->page()->anchorClicked(QUrl("topic:208"));
    QCOMPARE(help->shownContext(), 208);
    QVERIFY(help->windowTitle().endsWith("Alarm"));
}

void HelpTests::indexAndSearchLeadToTopics() {
    HelpWindow window(HelpCatalog::builtIn());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* filter = byName<QLineEdit>(window, "Index entry");
    auto* index = byName<QListWidget>(window, "Index");
    QTest::keyClicks(filter, "Stun code");
    QVERIFY(index->count() >= 1);
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(window.shownContext(), 205);

    auto* words = byName<QLineEdit>(window, "Search words");
    auto* results = byName<QListWidget>(window, "Search results");
    QTest::keyClicks(words, "squelch level");
    QTest::keyClick(words, Qt::Key_Return);
    QStringList found;
    for (int i = 0; i < results->count(); ++i)
        found << results->item(i)->text();
    QVERIFY2(found.contains("Basic setting: Option"), qPrintable(found.join(", ")));
    QTest::mouseClick(
        results->viewport(), Qt::LeftButton, {},
        results->visualItemRect(results->item(int(found.indexOf("Basic setting: Option"))))
            .center());
    QCOMPARE(window.shownContext(), 151);
    words->clear();
    QTest::keyClicks(words, "xyzzy");
    QTest::keyClick(words, Qt::Key_Return);
    QCOMPARE(results->item(0)->text(), QStringLiteral("No topic has these words."));
}

QTEST_MAIN(HelpTests)
#include "tst_help.moc"
