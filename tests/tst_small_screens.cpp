#include "CommandRegistry.h"
#include "FormFrame.h"
#include "FormView.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// Every form window on a small screen: it opens wholly inside the workspace, each control is
// at least as large as its whole text needs, and a form larger than its window scrolls.
// With DUOBAND_SCREENSHOTS naming a folder, each case also leaves a picture of the main window.
class SmallScreenTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { frame->mdiArea()->closeAllSubWindows(); }
    void everyFormShowsItsWholeText_data();
    void everyFormShowsItsWholeText();
    void treeBarShowsEveryWholeName();

private:
    QTemporaryDir dir;
    Document document;
    AppConfig config;
    MainWindow* frame = nullptr;
};

void SmallScreenTests::initTestCase() {
    QVERIFY(installTestLanguage()); // German texts run a third longer
    QVERIFY(prepareProgramFolder(dir, "duoband-small-screen-tests"));
    frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
}

void SmallScreenTests::cleanupTestCase() {
    closeWithoutSaving(frame, this);
}

void SmallScreenTests::everyFormShowsItsWholeText_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("form");
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768)})
        for (const CommandEntry& entry : commandRegistry())
            if (entry.makeForm)
                QTest::addRow("%s at %dx%d", qPrintable(entry.text), screen.width(),
                              screen.height())
                    << screen << entry.text;
}

namespace {

// What a control falls short of showing all of its text, in pixels; empty when it shows it.
QString shortfall(QWidget* w) {
    const int textRoom = 8; // a line edit's frame and margins
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty())
            return {};
        const int need = label->fontMetrics().horizontalAdvance(label->text());
        return need > label->contentsRect().width()
                   ? QStringLiteral("label \"%1\" needs %2, has %3")
                         .arg(label->text())
                         .arg(need)
                         .arg(label->contentsRect().width())
                   : QString();
    }
    int need = w->minimumSizeHint().width();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        need = std::max(need, edit->fontMetrics().horizontalAdvance(edit->text()) + textRoom);
    if (qobject_cast<QAbstractButton*>(w))
        need = w->sizeHint().width();
    QString text = w->accessibleName();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
    if (need > w->width())
        return QStringLiteral("%1 \"%2\" needs %3, has %4")
            .arg(QString::fromLatin1(w->metaObject()->className()), text)
            .arg(need)
            .arg(w->width());
    if (w->height() < w->minimumSizeHint().height())
        return QStringLiteral("%1 \"%2\" is squeezed to %3 high")
            .arg(QString::fromLatin1(w->metaObject()->className()), text)
            .arg(w->height());
    return {};
}

bool isControl(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent))
        return false; // the editor inside a spin box or combo box: its owner is measured
    return qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractButton*>(w);
}

} // namespace

void SmallScreenTests::everyFormShowsItsWholeText() {
    QFETCH(QSize, screen);
    QFETCH(QString, form);
    frame->showNormal();
    frame->setGeometry(QRect(QPoint(0, 0), screen));
    QTRY_COMPARE_WITH_TIMEOUT(frame->size(), screen, 2000);

    QMdiSubWindow* window = frame->openForm(form);
    QVERIFY(window);
    QCoreApplication::processEvents();
    if (const QString folder = qEnvironmentVariable("DUOBAND_SCREENSHOTS"); !folder.isEmpty())
        frame->grab().save(QDir(folder).filePath(
            QStringLiteral("%1-%2x%3.png").arg(form).arg(screen.width()).arg(screen.height())));
    const QRect room = frame->mdiArea()->viewport()->rect();
    QVERIFY2(room.contains(window->geometry()),
             qPrintable(QStringLiteral("window %1 x %2 at %3,%4 in a workspace of %5 x %6")
                            .arg(window->width())
                            .arg(window->height())
                            .arg(window->x())
                            .arg(window->y())
                            .arg(room.width())
                            .arg(room.height())));

    // Within the window, a form that does not fit scrolls; what is scrolled out of view still
    // shows its whole text when scrolled in.
    auto* formFrame = qobject_cast<FormFrame*>(window->widget());
    QVERIFY(formFrame);
    QStringList cut;
    for (QWidget* w : formFrame->findChildren<QWidget*>())
        if (w->isVisibleTo(formFrame) && isControl(w))
            if (const QString why = shortfall(w); !why.isEmpty())
                cut << why;
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    const QWidget* view = formFrame->view();
    auto* scroll = formFrame->findChild<QScrollArea*>();
    QVERIFY(scroll);
    const QSize needed = view->minimumSizeHint();
    const QSize shown = scroll->viewport()->size();
    if (needed.width() > shown.width())
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    if (needed.height() > shown.height())
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    // Where the workspace has room, the window is just large enough for the whole form.
    if (!window->isMaximized() && room.size().expandedTo(window->sizeHint()) == room.size()) {
        QCOMPARE(window->size(), window->sizeHint());
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    }
}

// The tree bar opens wide enough for the longest form name of the language, never elided.
void SmallScreenTests::treeBarShowsEveryWholeName() {
    auto* tree = qobject_cast<QTreeWidget*>(frame->treeBar()->widget());
    QVERIFY(tree);
    const int margin = 2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree);
    QStringList cut;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString name = (*it)->text(0);
        const int need =
            tree->visualItemRect(*it).left() + tree->fontMetrics().horizontalAdvance(name) + margin;
        if (need > tree->viewport()->width())
            cut << QStringLiteral("\"%1\" needs %2, has %3")
                       .arg(name)
                       .arg(need)
                       .arg(tree->viewport()->width());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(SmallScreenTests)
#include "tst_small_screens.moc"
