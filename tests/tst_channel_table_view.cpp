#include "BandState.h"
#include "CellTyping.h"
#include "ChannelEditDialog.h"
#include "ChannelImportDialog.h"
#include "ChannelRecord.h"
#include "ChannelTableView.h"
#include "FactoryDefault.h"
#include "GridControl.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "ModalResponder.h"
#include "RecordTemplates.h"
#include "WidgetLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

using T = ChannelTable;

class ChannelTableViewTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { delete view; }
    void emptyRowEditsRxFirst();
    void newChannelFromTheTemplate();
    void channelOneCannotBeEmptied();
    void clearingAChannel();
    void optionAndToneCells();
    void keyboardMovement();
    void storeAndChannelEditButton();
    void csvThroughTheForm();
    void importShowsWhatItWillDo();
    void rowLabelThenChannelEdit();
    void typedCellsReportEditsAndCorrections();
    void columnsShowTheirLongestEntry();
    void contextMenuOverCellsAndRowLabels();
    void namesAsStoredAndAsTyped();
    void codesWithoutAnEntryShowTheFallback();

private:
    void click(int row, int column);
    QLineEdit* frequencyEditor() const { return byName<QLineEdit>(*view, "Frequency editor"); }
    void typeFrequency(int row, const QString& text);

    MemoryImage image;
    BandState bands; // the built-in band state of a program that has not opened a file
    ChannelTableView* view = nullptr;
};

void ChannelTableViewTests::init() {
    image = buildFactoryDefault();
    bands = BandState();
    view = new ChannelTableView(image, bands);
    view->resize(1100, 600);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
}

void ChannelTableViewTests::click(int row, int column) {
    GridControl* grid = view->grid();
    grid->scrollToCell(row, column);
    QTest::mouseClick(grid->cellArea(), Qt::LeftButton, {}, grid->cellRect(row, column).center());
}

void ChannelTableViewTests::typeFrequency(int row, const QString& text) {
    click(row, T::Rx);
    QTRY_VERIFY(frequencyEditor()->hasFocus());
    QTest::keyClick(frequencyEditor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(frequencyEditor(), Qt::Key_Backspace);
    QTest::keyClicks(frequencyEditor(), text);
    QTest::keyClick(frequencyEditor(), Qt::Key_Return);
}

void ChannelTableViewTests::emptyRowEditsRxFirst() {
    click(3, T::Name);
    QVERIFY(frequencyEditor()->isVisible());
    QCOMPARE(view->grid()->currentGridCell(), (GridControl::Cell{3, T::Rx}));
    QVERIFY(!byName<QLineEdit>(*view, "Name editor")->isVisible());
}

void ChannelTableViewTests::newChannelFromTheTemplate() {
    typeFrequency(5, "3a0"); // letters are dropped: 30 MHz, band 0 of the built-in limits
    const QStringList expected = {"5",        "30.00000", "30.00000", "Off",  "100.0", "023",
                                  "Positive", "High",     "Allow",    "Wide", "Off",   ""};
    for (int c = 0; c < T::kColumns; ++c)
        QCOMPARE(view->grid()->text(5, c), expected[c]);
    QCOMPARE(ChannelRecord::rxFrequency(image.at<32>(ImageMap::channelAddress(5))), 3000000u);
    QCOMPARE(view->grid()->currentGridCell(), (GridControl::Cell{5, T::Tx})); // Enter moved on
    typeFrequency(6, "5"); // in no band: the first defined band's lower edge
    QCOMPARE(view->grid()->text(6, T::Rx), QStringLiteral("26.00000"));
}

void ChannelTableViewTests::channelOneCannotBeEmptied() {
    typeFrequency(1, "");
    QCOMPARE(view->grid()->text(1, T::Rx), QStringLiteral("134.00000"));
    QCOMPARE(view->grid()->currentGridCell(), (GridControl::Cell{2, T::Rx})); // empty: down
}

void ChannelTableViewTests::clearingAChannel() {
    typeFrequency(5, "145");
    typeFrequency(5, "");
    for (int c = T::Rx; c < T::kColumns; ++c)
        QVERIFY(view->grid()->text(5, c).isEmpty());
    // Stored at once, as the table store writes an empty row.
    std::array<std::uint8_t, 32> emptyRow{};
    writeEmptyRowRecord(emptyRow);
    const ConstRecord r = image.at<32>(ImageMap::channelAddress(5));
    QVERIFY(std::ranges::equal(r, emptyRow));
}

void ChannelTableViewTests::optionAndToneCells() {
    typeFrequency(2, "145");
    click(2, T::Power);
    auto* list = byName<QComboBox>(*view, "List editor");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentText(), QStringLiteral("High"));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(view->grid()->text(2, T::Power), QStringLiteral("Middle 1"));
    QCOMPARE(view->grid()->currentGridCell(), (GridControl::Cell{2, T::Scan}));

    click(2, T::Ctcss);
    auto* ctcss = byName<QComboBox>(*view, "CTCSS editor");
    QVERIFY(ctcss->isVisible());
    QCOMPARE(ctcss->count(), 51);
    QTest::keyClicks(ctcss->lineEdit(), "300");
    click(2, T::Dcs); // leaving the box ends the edit
    QCOMPARE(view->grid()->text(2, T::Ctcss), QStringLiteral("100.0"));
    auto* dcs = byName<QComboBox>(*view, "DCS editor");
    QTEST_ASSERT(dcs);
    QCOMPARE(dcs->count(), 106);
    QTest::keyClicks(dcs->lineEdit(), "7");
    QTest::keyClick(dcs->lineEdit(), Qt::Key_Return);
    QCOMPARE(view->grid()->text(2, T::Dcs), QStringLiteral("007"));

    click(2, T::Name);
    auto* name = byName<QLineEdit>(*view, "Name editor");
    QTest::keyClicks(name, "rpt!1234");
    QCOMPARE(name->text(), QStringLiteral("RPT123"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(view->grid()->text(2, T::Name), QStringLiteral("RPT123"));
}

void ChannelTableViewTests::keyboardMovement() {
    GridControl* grid = view->grid();
    grid->setFocus();
    grid->setCurrentGridCell(10, T::Name);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{11, T::Rx}));
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{10, T::Name}));
    grid->setCurrentGridCell(1, T::Rx);
    QTest::keyClick(grid, Qt::Key_Left); // not from row 1
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{1, T::Rx}));
    grid->setCurrentGridCell(800, T::Name);
    QTest::keyClick(grid, Qt::Key_Right); // not from row 800
    QCOMPARE(grid->currentGridCell(), (GridControl::Cell{800, T::Name}));
    grid->setCurrentGridCell(1, T::Tx);
    QTest::keyClick(grid, Qt::Key_Return); // Enter edits the current cell
    QVERIFY(frequencyEditor()->isVisible());
    QCOMPARE(frequencyEditor()->text(), QStringLiteral("134.00000"));
}

void ChannelTableViewTests::storeAndChannelEditButton() {
    typeFrequency(7, "440");
    click(7, T::Name);
    QTest::keyClicks(byName<QLineEdit>(*view, "Name editor"), "UHF");
    // The button stores the table (taking the open edit along) and asks for the row's channel.
    QSignalSpy requested(view, &ChannelTableView::channelEditRequested);
    auto* responder = ModalResponder::answer<ChannelEditDialog>(
        [](ChannelEditDialog* dialog) { dialog->close(); }, this);
    QTest::mouseClick(byName<QPushButton>(*view, "Channel edit"), Qt::LeftButton);
    QVERIFY(responder->answered);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested[0][0].toInt(), 7);
    const ConstRecord r = image.at<32>(ImageMap::channelAddress(7));
    QCOMPARE(ChannelRecord::name(r), QStringLiteral("UHF"));
    QCOMPARE(image.byte(0xCC80), 0x41); // channels 1 and 7 in use
    // What the image holds shows again after a reload.
    ChannelRecord::setName(image.at<32>(ImageMap::channelAddress(7)), "NEW");
    view->LoadFromImage();
    QCOMPARE(view->grid()->text(7, T::Name), QStringLiteral("NEW"));
}

void ChannelTableViewTests::csvThroughTheForm() {
    QTemporaryDir dir;
    typeFrequency(3, "145.5");
    const QString path = dir.filePath("channels.csv");
    QVERIFY(view->exportChannelsTo(path, false).isEmpty()); // stores the edit first
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("3,145.50000,145.50000"));
    f.close();

    QFile csv(dir.filePath("in.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("CH,Rx Freq,Name\n9,146.5,NINE\n10,9999,BAD\n");
    csv.close();
    const QString message = view->importChannelsFrom(csv.fileName());
    QVERIFY(message.contains("line 3"));
    QCOMPARE(view->grid()->text(9, T::Rx), QStringLiteral("146.50000"));
    QCOMPARE(view->grid()->text(9, T::Name), QStringLiteral("NINE"));
    QCOMPARE(view->grid()->text(9, T::Ctcss), QStringLiteral("100.0")); // absent: as created
    QCOMPARE(view->grid()->text(9, T::Power), QStringLiteral("High"));
    QCOMPARE(view->grid()->text(3, T::Rx), QStringLiteral("145.50000")); // untouched
    QVERIFY(view->importChannelsFrom(dir.filePath("missing.csv")).contains("missing.csv"));
}

// File > Import channels: the list's lines with where they land and what happens to each, the
// placement chosen in the dialog, and the data changed only by Import, as one step.
void ChannelTableViewTests::importShowsWhatItWillDo() {
    QTemporaryDir dir;
    QFile csv(dir.filePath("club.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,Mode,TStep,Skip,Power,Comment\n"
              "0,Calling,146.520000,,0,,88.5,88.5,023,NN,FM,5.00,,5W,\n"
              "1,North,146.940000,-,0.6,Tone,100.0,100.0,023,NN,FM,5.00,,50W,\n"
              "2,Moon,9999.0,,0,,88.5,88.5,023,NN,FM,5.00,,5W,\n");
    csv.close();
    bands = BandState::fromImage(image); // as a program that opened this data
    const MemoryImage before = image;
    QSignalSpy steps(view, &FormView::imageChanged);

    // Cancel: nothing changes, no step.
    QStringList channels;
    QString badLine;
    auto* cancel = ModalResponder::answer<ChannelImportDialog>(
        [&](ChannelImportDialog* dialog) {
            QTableWidget* lines = dialog->lineTable();
            for (int r = 0; r < lines->rowCount(); ++r)
                channels << lines->item(r, 1)->text();
            badLine = lines->item(2, lines->columnCount() - 1)->text();
            QTest::mouseClick(byName<QPushButton>(*dialog, "Cancel"), Qt::LeftButton);
        },
        this);
    view->previewImport(csv.fileName());
    QVERIFY(cancel->answered);
    QCOMPARE(channels, (QStringList{"1", "2", "3"})); // counted from 0: one higher
    QVERIFY2(badLine.contains("\"9999.0\" MHz is more than a frequency holds; skipped"),
             qPrintable(badLine));
    QVERIFY(image == before);
    QCOMPARE(steps.count(), 0);

    // In file order from channel 50, typed into the dialog, then Import.
    QStringList placed;
    QString power;
    auto* accept = ModalResponder::answer<ChannelImportDialog>(
        [&](ChannelImportDialog* dialog) {
            QTest::mouseClick(byName<QRadioButton>(*dialog, "In file order from channel"),
                              Qt::LeftButton);
            auto* first = byName<QSpinBox>(*dialog, "First channel");
            first->setFocus();
            first->selectAll();
            QTest::keyClicks(first, "50");
            QTest::keyClick(first, Qt::Key_Tab);
            QTableWidget* lines = dialog->lineTable();
            for (int r = 0; r < lines->rowCount(); ++r)
                placed << lines->item(r, 1)->text();
            power = lines->item(1, 2 + 5)->text(); // Rx, Tx, Decode, CTCSS, DCS, Power
            QTest::mouseClick(byName<QPushButton>(*dialog, "Import"), Qt::LeftButton);
        },
        this);
    view->previewImport(csv.fileName());
    QVERIFY(accept->answered);
    QCOMPARE(placed, (QStringList{"50", "51", ""})); // the bad line takes no channel
    QCOMPARE(power, QStringLiteral("High"));         // 50 W of 5 W and 50 W
    QCOMPARE(view->grid()->text(50, T::Name), QStringLiteral("CALLIN"));
    QCOMPARE(view->grid()->text(51, T::Tx), QStringLiteral("146.34000"));
    QCOMPARE(view->grid()->text(51, T::Power), QStringLiteral("High"));
    QVERIFY(view->grid()->text(1, T::Name).isEmpty()); // channel 1 as it was
    QCOMPARE(steps.count(), 1);
    QCOMPARE(steps.first().first().toString(), QStringLiteral("Import channels"));
}

// One click on a row label makes that row the one "Channel edit" opens.
void ChannelTableViewTests::rowLabelThenChannelEdit() {
    GridControl* grid = view->grid();
    clickRowLabel(grid, 7);
    QCOMPARE(grid->currentGridCell().row, 7);
    QCOMPARE(grid->selectedGridRows(), std::vector<int>{7}); // highlighted
    QSignalSpy requested(view, &ChannelTableView::channelEditRequested);
    auto* responder = ModalResponder::answer<ChannelEditDialog>(
        [](ChannelEditDialog* dialog) { dialog->close(); }, this);
    QTest::mouseClick(byName<QPushButton>(*view, "Channel edit"), Qt::LeftButton);
    QVERIFY(responder->answered);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested[0][0].toInt(), 7);
}

// A typed cell is stored at once and reported as one step; a corrected entry says why.
void ChannelTableViewTests::typedCellsReportEditsAndCorrections() {
    QSignalSpy edited(view, &FormView::imageChanged);
    QSignalSpy status(view, &FormView::statusMessage);
    GridControl* grid = view->grid();
    grid->setCurrentGridCell(1, T::Name);
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_A); // typing starts the edit
    auto* name = byName<QLineEdit>(*view, "Name editor");
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClicks(name, "b");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(grid->text(1, T::Name), QStringLiteral("AB"));
    QCOMPARE(edited.size(), 1);
    QCOMPARE(edited[0][0].toString(), QStringLiteral("Edit channel 1"));
    QCOMPARE(ChannelRecord::name(image.at<32>(ImageMap::channelAddress(1))), QStringLiteral("AB"));
    // An unchanged cell is no edit.
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(byName<QLineEdit>(*view, "Name editor"), Qt::Key_Return);
    QCOMPARE(edited.size(), 1);

    typeFrequency(5, "4315"); // in no band of the built-in limits
    QCOMPARE(grid->text(5, T::Rx), QStringLiteral("26.00000"));
    QCOMPARE(status.last()[0].toString(),
             QStringLiteral("4315 MHz lies in no band of this radio: 26.00000"));
}

void ChannelTableViewTests::columnsShowTheirLongestEntry() {
    GridControl* grid = view->grid();
    const QFontMetrics metrics(grid->font());
    QVERIFY(grid->columnWidthPixels(T::DecodeType) > metrics.horizontalAdvance("Ctcss Codec"));
    QVERIFY(grid->columnsResizable());
    QCOMPARE(grid->headerTip(T::Rx), QStringLiteral("Receive frequency (MHz)"));
}

// A right click on a cell or on a row label opens the row commands; on a label not chosen yet
// that row is chosen first.
void ChannelTableViewTests::contextMenuOverCellsAndRowLabels() {
    GridControl* grid = view->grid();
    for (bool onLabel : {false, true}) {
        QStringList offered;
        QTimer::singleShot(0, this, [&offered] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions())
                    offered << a->text();
                menu->close();
            }
        });
        QWidget* area = onLabel ? grid->rowLabelArea() : grid->cellArea();
        const QPoint at = onLabel ? grid->rowLabelRect(4).center() : grid->cellRect(2, 3).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, area->mapToGlobal(at));
        QApplication::sendEvent(area, &event);
        QVERIFY2(offered.contains("Delete row"), qPrintable(offered.join(", ")));
        if (onLabel)
            QCOMPARE(grid->selectedGridRows(), std::vector<int>{4});
    }
}

// A name no one could type ("ab!C") shows as stored and survives an edit that changes nothing;
// a typed name is filtered, upper-cased and keeps its spaces.
void ChannelTableViewTests::namesAsStoredAndAsTyped() {
    const Record r = image.at<32>(ImageMap::channelAddress(1));
    const std::uint8_t odd[6] = {0x61, 0x62, 0x21, 0x43, 0xFF, 0xFF};
    std::copy(std::begin(odd), std::end(odd), r.begin() + 24);
    view->LoadFromImage();
    GridControl* grid = view->grid();
    QCOMPARE(grid->text(1, T::Name), QStringLiteral("ab!C"));
    auto* editor = byName<QLineEdit>(*view, "Name editor");
    click(1, T::Name);
    QTRY_VERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QStringLiteral("ab!C"));
    QTest::keyClick(editor, Qt::Key_Return);
    view->SaveToImage();
    QVERIFY(std::equal(std::begin(odd), std::end(odd), r.begin() + 24));

    click(1, T::Name);
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, " a!b");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(grid->text(1, T::Name), QStringLiteral(" AB"));
    view->SaveToImage();
    const std::uint8_t typed[6] = {0x20, 0x41, 0x42, 0xFF, 0xFF, 0xFF};
    QVERIFY(std::equal(std::begin(typed), std::end(typed), r.begin() + 24));
}

// Scan and Bandwidth have three entries in two bits: code 3 shows what a store writes for it.
void ChannelTableViewTests::codesWithoutAnEntryShowTheFallback() {
    const Record r = image.at<32>(ImageMap::channelAddress(1));
    ChannelRecord::setCode(r, ChannelField::Scan, 3);
    ChannelRecord::setCode(r, ChannelField::Bandwidth, 3);
    view->LoadFromImage();
    QCOMPARE(view->grid()->text(1, T::Scan), QStringLiteral("Allow"));
    QCOMPARE(view->grid()->text(1, T::Bandwidth), QStringLiteral("Wide"));
    view->SaveToImage();
    QCOMPARE(ChannelRecord::code(r, ChannelField::Scan), 0);
    QCOMPARE(ChannelRecord::code(r, ChannelField::Bandwidth), 0);
}

QTEST_MAIN(ChannelTableViewTests)
#include "tst_channel_table_view.moc"
