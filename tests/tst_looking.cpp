// Looking is not editing: every form, every tab of it and every dialog, opened and closed
// without typing, leaves the data, the undo history and the title as they were; also on names
// that hold what no one could type.
#include "AppConfig.h"
#include "BandState.h"
#include "Bcd.h"
#include "ChannelCsv.h"
#include "ChannelEditDialog.h"
#include "ChannelRecord.h"
#include "ChannelTableView.h"
#include "CommandRegistry.h"
#include "DataFile.h"
#include "DerivedValues.h"
#include "Document.h"
#include "FactoryDefault.h"
#include "FileCommands.h"
#include "FiveToneSettings.h"
#include "FormFrame.h"
#include "FrequencyRangeDialog.h"
#include "ImageMap.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "ModalResponder.h"
#include "Normalization.h"
#include "RadioBench.h"
#include "VfoDialog.h"
#include "WidgetLookup.h"

#include <QAction>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using namespace ImageMap;

// 800 channels over both main bands with every kind of tone, power and name.
QByteArray eightHundredChannels() {
    static const char* const decode[] = {"Off", "Ctcss Encode", "Ctcss Codec", "Dcs Codec"};
    static const char* const power[] = {"Low", "Middle 2", "Middle 1", "High"};
    static const char* const scan[] = {"Allow", "Skip", "Priority"};
    QByteArray csv = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,"
                     "Bandwidth,Signaling,Name\n";
    for (int n = 1; n <= 800; ++n) {
        const Frequency rx = n % 2 ? 14400000 + 1250 * n : 43000000 + 2500 * n;
        const Frequency tx = n % 3 ? rx : rx + (n % 2 ? 60000 : 500000);
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6,Positive,%7,%8,%9,Off,C%10\n")
                   .arg(n)
                   .arg(FrequencyText::fromValue(rx), FrequencyText::fromValue(tx),
                        QLatin1String(decode[n % 4]), n % 5 ? "88.5" : "123.0",
                        n % 7 ? "023" : "754", QLatin1String(power[n % 4]),
                        QLatin1String(scan[n % 3]), n % 2 ? "Wide" : "Narrow")
                   .arg(n)
                   .toLatin1();
    }
    return csv;
}

// What a radio in use holds: channels, the CCIR1 5-Tone standard, a 2-Tone system without an
// alias, contact 1 without a code and the "150M" VFO on the air band, as the program leaves a
// read (the channel table stored once).
MemoryImage radioInUse() {
    MemoryImage image = buildFactoryDefault();
    // The radio receives the air band too.
    Bcd::write32(image.at<4>(kBandLimitRecords.at(3)), kAbsoluteBands[3].lower);
    Bcd::write32(image.at<4>(kBandLimitRecords.at(3) + 4), kAbsoluteBands[3].upper);
    BandState bands = BandState::fromImage(image);
    const QByteArray csv = "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,Name\n"
                           "2,145.60000,145.00000,Ctcss Codec,88.5,RPT\n"
                           "3,438.50000,431.10000,Ctcss Encode,123.0,UHF\n"
                           "4,146.52000,146.52000,Off,100.0,SIMPLX\n";
    importChannels(image, bands, csv);
    FiveToneSettings::storeStandard(image, 6); // CCIR1
    image.fill(kTwoToneSystemRecords.at(2), 6, 0xFF);
    image.fill(kFiveToneContactRecords.at(0), 8, 0xFF);
    const Record vfo = image.at<32>(kVfoRecordArray.at(4));
    ChannelRecord::setRxFrequency(vfo, 12150000);
    ChannelRecord::setTxFrequency(vfo, 12150000);
    normalizeAfterTableStore(image, bands);
    return image;
}

// Names and aliases no one could type: lower case, characters outside the name set, and bytes
// no form shows after what it shows. Channels 1, 5 and 799, the VFO records' hidden names, a
// scan edge, a DTMF code and a 2-Tone contact.
MemoryImage oddNames() {
    MemoryImage image = buildFactoryDefault();
    BandState bands = BandState::fromImage(image);
    importChannels(image, bands,
                   "CH,Rx Freq,Tx Freq,Name\n5,145.50000,145.50000,A\n799,438.00000,438.00000,B\n");
    const std::uint8_t odd[6] = {0x61, 0x62, 0x21, 0x43, 0xFF, 0xFF};    // "ab!C"
    const std::uint8_t lower[6] = {0x6C, 0x6F, 0x77, 0x65, 0x72, 0xFF};  // "lower"
    const std::uint8_t hidden[6] = {0x41, 0x42, 0x00, 0x43, 0x7F, 0xFF}; // "AB", then unshown
    auto put = [&image](std::uint32_t address, const std::uint8_t(&bytes)[6]) {
        for (std::uint32_t i = 0; i < 6; ++i)
            image.setByte(address + i, bytes[i]);
    };
    put(channelAddress(1) + 24, odd);
    put(channelAddress(5) + 24, lower);
    put(channelAddress(799) + 24, hidden);
    for (int k = 0; k < kVfoCount; ++k)
        put(kVfoRecordArray.at(k) + 24, k % 2 ? odd : lower);
    put(kScanEdgeRecords.at(0) + 24, odd);
    // DTMF code 1: "123", type "None"; 2-Tone contact 1: 1000.0 Hz, single tone, system 1.
    const std::uint32_t code = kDtmfCodeRecords.at(0);
    image.fill(code, 16, 0xFF);
    for (std::uint8_t d : {1, 2, 3})
        image.setByte(code + d - 1, d);
    image.setByte(code + 23, 0);
    put(code + 16, lower);
    const std::uint32_t contact = kTwoToneContactRecords.at(0);
    image.setWord(contact + 8, 10000);
    image.setWord(contact + 10, 0xFFFF);
    image.setByte(contact + 12, 1);
    image.setByte(contact + 13, 1);
    put(contact, odd);
    return image;
}

// How the user leaves a form or dialog alone: every tab shown once, every record selector
// moved through, then back to the first.
void lookThrough(QWidget* w) {
    for (QTabBar* bar : w->findChildren<QTabBar*>()) {
        for (int i = 0; i < bar->count(); ++i)
            bar->setCurrentIndex(i);
        bar->setCurrentIndex(0);
    }
    for (const char* selector : {"Infomation Group", "Contact Group"})
        if (auto* list = byName<QComboBox>(*w, QLatin1String(selector))) {
            for (int i = 0; i < list->count(); ++i)
                list->setCurrentIndex(i);
            list->setCurrentIndex(0);
        }
}

// What must not change: the data, the history and what the window says about them.
struct Seen {
    MemoryImage data;
    quint64 steps;
    QString undo;
    QString title;
    bool modified;

    static Seen of(MainWindow& frame) {
        return {frame.document().image(), frame.document().stepsRecorded(),
                frame.undoAction()->text(), frame.documentTitle(), frame.isModified()};
    }
};

// "12 bytes changed, the first at image 0xDB52 (06 -> 76)", or empty when none did.
QString changedBytes(const MemoryImage& before, const MemoryImage& after) {
    const QByteArray a = before.toFileBytes(); // the PC block, then the image
    const QByteArray b = after.toFileBytes();
    int count = 0;
    int first = -1;
    for (int i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && count++ == 0)
            first = i;
    if (count == 0)
        return {};
    const bool inImage = first >= MemoryImage::kPcSize;
    return QStringLiteral("%1 bytes changed, the first at %2 0x%3 (%4 -> %5)")
        .arg(count)
        .arg(inImage ? "image" : "PC block")
        .arg(inImage ? first - MemoryImage::kPcSize : first, 4, 16, QChar(u'0'))
        .arg(quint8(a[first]), 2, 16, QChar(u'0'))
        .arg(quint8(b[first]), 2, 16, QChar(u'0'));
}

} // namespace

class LookingTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void openingAndClosingChangesNothing_data();
    void openingAndClosingChangesNothing();

private:
    // Opens the registry entry (or the channel edit dialog on `channel`), looks at every part
    // of it and closes it again.
    void visit(MainWindow& frame, const QString& entry, int channel);

    QTemporaryDir dir;
};

void LookingTests::initTestCase() {
    QVERIFY(installTestLanguage()); // lists shown translated still load and store as they were
    QVERIFY(prepareProgramFolder(dir, "DuobandLookingTest"));

    MemoryImage imported = buildFactoryDefault();
    BandState bands = BandState::fromImage(imported);
    const ImportResult result = importChannels(imported, bands, eightHundredChannels());
    QVERIFY2(result.ok && result.imported == 800, qPrintable(result.message));
    QVERIFY(saveDataFile(dir.filePath("imported.dat"), imported).ok);

    // The radio's memory read as the program reads it.
    RadioBench bench;
    QVERIFY(bench.started);
    const MemoryImage inUse = radioInUse();
    QCOMPARE(ChannelRecord::name(inUse.at<32>(channelAddress(3))), QStringLiteral("UHF"));
    // What the "150M" VFO accepts, the table store keeps.
    QCOMPARE(ChannelRecord::rxFrequency(inUse.at<32>(kVfoRecordArray.at(4))), 12150000u);
    bench.radio.setMemory(
        QByteArray(reinterpret_cast<const char*>(inUse.image().data()), MemoryImage::kImageSize));
    MemoryImage read = buildFactoryDefault();
    const CloneReport report = bench.run(CloneDirection::Read, read);
    QVERIFY2(report.ok, qPrintable(report.detail));
    BandState readBands = BandState::fromImage(read);
    normalizeAfterTableStore(read, readBands);
    QVERIFY(saveDataFile(dir.filePath("radio.dat"), read).ok);
    QVERIFY(saveDataFile(dir.filePath("names.dat"), oddNames()).ok);
}

void LookingTests::openingAndClosingChangesNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("channel");
    for (const char* file : {"", "radio.dat", "imported.dat", "names.dat"}) {
        const QString data = *file ? QString::fromLatin1(file) : QStringLiteral("factory");
        for (const CommandEntry& e : commandRegistry())
            QTest::addRow("%s: %s", qPrintable(data), qPrintable(e.text))
                << QString::fromLatin1(file) << e.text << 0;
        for (int channel : {1, 5, 799})
            QTest::addRow("%s: Channel edit %d", qPrintable(data), channel)
                << QString::fromLatin1(file) << QStringLiteral("Channel edit") << channel;
    }
}

void LookingTests::openingAndClosingChangesNothing() {
    QFETCH(QString, file);
    QFETCH(QString, entry);
    QFETCH(int, channel);
    Document document;
    AppConfig config;
    MainWindow* frame = openMainWindow(document, config, dir.path());
    QVERIFY(frame->isActiveWindow());
    if (!file.isEmpty())
        QVERIFY(frame->files()->openPath(dir.filePath(file)));

    const Seen before = Seen::of(*frame);
    visit(*frame, entry, channel);
    // The form that was active before takes over again, as after any dialog.
    frame->openForm("Channel setting");
    const Seen after = Seen::of(*frame);
    QCOMPARE(changedBytes(before.data, after.data), QString());
    QCOMPARE(after.steps, before.steps);
    QCOMPARE(after.undo, before.undo);
    QCOMPARE(after.title, before.title);
    QCOMPARE(after.modified, before.modified);
    closeWithoutSaving(frame, this);
}

void LookingTests::visit(MainWindow& frame, const QString& entry, int channel) {
    if (entry == QLatin1String("Channel edit")) {
        ChannelTableView* table = channelView(frame);
        QVERIFY(table);
        auto* responder = ModalResponder::answer<ChannelEditDialog>(
            [](ChannelEditDialog* dialog) {
                // One channel on, one back, and closed by its close box.
                byName<QToolButton>(*dialog, "Next channel")->click();
                byName<QToolButton>(*dialog, "Previous channel")->click();
                dialog->close();
            },
            this);
        table->openChannelEdit(channel);
        QVERIFY(responder->answered);
        delete responder;
        return;
    }
    const CommandEntry* command = findCommand(entry);
    QVERIFY(command);
    if (command->kind == CommandKind::FormWindow) {
        QMdiSubWindow* window = frame.openForm(entry);
        QVERIFY(window);
        lookThrough(window);
        window->close();
        return;
    }
    auto* responder = ModalResponder::answer<QDialog>(
        [](QDialog* dialog) {
            lookThrough(dialog);
            dialog->close();
        },
        this);
    frame.runCommand(*command);
    QVERIFY(responder->answered);
    delete responder;
}

QTEST_MAIN(LookingTests)
#include "tst_looking.moc"
