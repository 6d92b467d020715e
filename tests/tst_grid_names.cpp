// Every table of every form and dialog is named for a screen reader, as its grid is, and its
// cells are announced with their row and column headers.
#include "CommandRegistry.h"
#include "GridControl.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"

#include <QAccessible>
#include <QDialog>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

namespace {

// "" when every table in `root` is named as its grid and its first cell has both headers;
// else what is missing.
QString unnamedTables(QWidget* root) {
    QStringList missing;
    const QList<GridControl*> grids = root->findChildren<GridControl*>();
    if (grids.isEmpty())
        return {};
    for (GridControl* grid : grids) {
        const QString name = grid->accessibleName();
        if (name.isEmpty()) {
            missing << QStringLiteral("a grid without a name");
            continue;
        }
        auto* table = grid->findChild<QTableView*>();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
        if (!face || face->text(QAccessible::Name) != name) {
            missing << QStringLiteral("table of %1 reads \"%2\"")
                           .arg(name, face ? face->text(QAccessible::Name) : QString());
            continue;
        }
        QAccessibleTableInterface* cells = face->tableInterface();
        QAccessibleInterface* first = cells ? cells->cellAt(0, 0) : nullptr;
        QAccessibleTableCellInterface* cell = first ? first->tableCellInterface() : nullptr;
        // The header cells are made for the caller, who hands them to Qt's cache to delete.
        const QList<QAccessibleInterface*> columnHeaders =
            cell ? cell->columnHeaderCells() : QList<QAccessibleInterface*>();
        const QList<QAccessibleInterface*> rowHeaders =
            cell ? cell->rowHeaderCells() : QList<QAccessibleInterface*>();
        if (columnHeaders.isEmpty() || rowHeaders.isEmpty() ||
            columnHeaders.first()->text(QAccessible::Name).isEmpty())
            missing << QStringLiteral("cells of %1 lack their headers").arg(name);
        for (QAccessibleInterface* header : columnHeaders + rowHeaders)
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
    }
    return missing.join(QStringLiteral("; "));
}

} // namespace

class GridNameTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyTableIsNamed_data();
    void everyTableIsNamed();

private:
    QTemporaryDir dir;
};

void GridNameTests::initTestCase() {
    QVERIFY(prepareProgramFolder(dir, "DuobandGridNameTest"));
    QAccessible::setActive(true); // as when a screen reader runs
}

void GridNameTests::everyTableIsNamed_data() {
    QTest::addColumn<QString>("entry");
    for (const CommandEntry& e : commandRegistry())
        if (e.built())
            QTest::newRow(qPrintable(e.text)) << e.text;
}

void GridNameTests::everyTableIsNamed() {
    QFETCH(QString, entry);
    Document document;
    AppConfig config;
    MainWindow* frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    const CommandEntry* command = findCommand(entry);
    QVERIFY(command);
    QString problems;
    int grids = 0;
    if (command->kind == CommandKind::FormWindow) {
        QMdiSubWindow* window = frame->openForm(entry);
        QVERIFY(window);
        grids = int(window->findChildren<GridControl*>().size());
        problems = unnamedTables(window);
    } else {
        auto* responder = ModalResponder::answer<QDialog>(
            [&](QDialog* dialog) {
                grids = int(dialog->findChildren<GridControl*>().size());
                problems = unnamedTables(dialog);
                dialog->close();
            },
            this);
        frame->runCommand(*command);
        QVERIFY(responder->answered);
        delete responder;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    // The forms known to hold grids do hold them.
    static const QStringList withGrids = {"Channel setting", "DTMF", "2Tone", "Frequency range"};
    if (withGrids.contains(entry))
        QVERIFY(grids > 0);
    closeWithoutSaving(frame, this);
}

QTEST_MAIN(GridNameTests)
#include "tst_grid_names.moc"
