// The report's pages, drawn into PDF and read back with pdftotext: the page frame, the report
// header, values as they are, tables that go on over pages with their headings, titles never
// left alone at a page's foot, fonts that stay readable, and the page set-up chosen.
#include "BandState.h"
#include "FactoryDefault.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PageLayout.h"
#include "PdfText.h"
#include "RadioIdentity.h"
#include "Report.h"
#include "ReportPages.h"
#include "SampleData.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// The report of `image` as a PDF of the document "abc", printed on 2026-12-09.
QByteArray pdfOf(const MemoryImage& image, const BandState& bands,
                 const QPageLayout& layout = defaultReportPageLayout()) {
    Report report = buildReport(image, bands);
    report.header = reportHeader(image, "abc", QDate(2026, 12, 9));
    return reportPdf("abc", report, layout).value_or(QByteArray());
}

// Every page's text, the page frame's header and footer taken off.
QStringList bodies(const PdfText& text) {
    QStringList bodies;
    for (const QString& page : text.pages()) {
        QStringList lines = page.split('\n');
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        if (lines.size() >= 2) {
            lines.removeFirst();
            lines.removeLast();
        }
        bodies << lines.join('\n');
    }
    return bodies;
}

// A PDF writer that cannot start page `failing`.
class FailingWriter : public QPdfWriter {
public:
    FailingWriter(QIODevice* device, int failing) : QPdfWriter(device), failing_(failing) {}
    bool newPage() override { return ++page_ != failing_ && QPdfWriter::newPage(); }

private:
    int failing_;
    int page_ = 1;
};

} // namespace

class ReportPagesTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the PDF reports");
        image = buildFactoryDefault();
        bands = BandState::fromImage(image);
        full = fullChannelImage(fullBands);
        fullPdf = std::make_unique<PdfText>(pdfOf(full, fullBands));
    }

    void everyPageHasItsFrameAndTheFirstTheReportHeader() {
        const PdfText text(pdfOf(image, bands));
        const QStringList pages = text.pages();
        const int count = int(pages.size());
        QVERIFY2(count > 3, "the factory default fills several pages");
        for (int page = 1; page <= count; ++page) {
            QStringList lines = pages[page - 1].split('\n');
            lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
            QCOMPARE(lines.first().trimmed(), QStringLiteral("abc"));
            QCOMPARE(lines.last().trimmed(), PageLayout::footer(page, count));
        }
        const QString& first = pages[0];
        for (const char* line :
             {"File: *abc", "Model: *DUOBAND", "Firmware: *\\(none\\)",
              "Last program date: *\\(none\\)", "Printed: *2026-12-09", "Program: *Duoband"})
            QVERIFY2(first.contains(QRegularExpression(line)), line);
        QVERIFY(first.contains(QRegularExpression("150M +134\\.00000 +180\\.00000")));
        const QString all = bodies(text).join('\n');
        for (const char* title :
             {"Basic setting", "Alarm", "DTMF codes", "Contacts", "5Tone", "Channel details"})
            QVERIFY2(all.contains(title), title);
        QVERIFY(all.contains(QRegularExpression("Beep: *On")));
    }

    // No text of the data is taken for layout: "^^" and the like print as they are.
    void valuesPrintAsTheyAre() {
        MemoryImage marked = image;
        RadioIdentity::writeEditable(marked, "", "DUOBAND", "A^^B:C^^");
        const PdfText text(pdfOf(marked, bands));
        QVERIFY2(text.text(1).contains("A^^B:C^^"), qPrintable(text.text(1)));
    }

    // The channel list goes on over pages: each page with channels has the title, "(continued)"
    // after the first, and the column headings.
    void tablesRepeatTheirHeadingsOnEveryPage() {
        const QStringList pages = bodies(*fullPdf);
        int withChannels = 0;
        for (int p = 0; p < pages.size(); ++p) {
            if (!pages[p].contains(QRegularExpression("\\b1[45]\\d\\.\\d{5} +1[45]\\d\\.\\d{5}")))
                continue;
            ++withChannels;
            QVERIFY2(pages[p].contains(QRegularExpression("Rx +Freq|Rx Freq")),
                     qPrintable(QString("page %1").arg(p + 1)));
            QVERIFY2(pages[p].contains("DCS"), qPrintable(QString("page %1").arg(p + 1)));
            if (withChannels > 1)
                QVERIFY2(pages[p].contains("Channel (continued)"),
                         qPrintable(QString("page %1").arg(p + 1)));
        }
        QVERIFY2(withChannels > 10, "800 channels fill many pages");
    }

    // A title is followed on its page by what it titles.
    void noTitleStandsAloneAtThePageFoot() {
        const Report report = buildReport(full, fullBands);
        QStringList titles;
        for (const ReportSection& s : report.sections) {
            titles << s.title;
            for (const ReportGroup& g : s.groups)
                titles << g.title;
            for (const ReportTable& t : s.tables)
                titles << t.title;
        }
        const QStringList pages = bodies(*fullPdf);
        for (int p = 0; p + 1 < pages.size(); ++p) {
            const QString last = pages[p].split('\n').last().trimmed();
            QVERIFY2(!titles.contains(last),
                     qPrintable(QString("page %1 ends with %2").arg(p + 1).arg(last)));
        }
    }

    // Long labels wrap, wide tables shrink no further than 9 points: no word is drawn smaller
    // than that next to the 12-point text.
    void textStaysReadable() {
        const int count = int(fullPdf->pages().size());
        for (int page = 1; page <= count; page += 7)
            for (const Word& w : fullPdf->words(page))
                QVERIFY2(w.yMax - w.yMin > 8.0, qPrintable(QString("page %1: %2 is %3 pt high")
                                                               .arg(page)
                                                               .arg(w.text)
                                                               .arg(w.yMax - w.yMin)));
    }

    void thePageSetUpChosenMakesThePages() {
        QCOMPARE(PdfText(pdfOf(image, bands)).pageSize(),
                 QStringLiteral("595 x 842 pts (A4)")); // the default: A4 portrait
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                 QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        const PdfText text(pdfOf(image, bands, letter));
        QCOMPARE(text.pageSize(), QStringLiteral("792 x 612 pts (letter)"));
        QVERIFY(text.text(1).contains("Model: "));
    }

    void anEmptyReportIsOnePageWithItsFrame() {
        const auto pdf = reportPdf("", {});
        QVERIFY(pdf);
        const QString text = PdfText(*pdf).text(1);
        QVERIFY2(text.contains("-- Page 1 of 1 --"), qPrintable(text));
    }

    void aFailedPageAbortsTheDocument() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        FailingWriter writer(&buffer, 2);
        setUpPdfWriter(writer, "x", defaultReportPageLayout());
        ReportPages pages(writer, "x", buildReport(full, fullBands));
        QVERIFY(pages.pageCount() >= 2);
        QVERIFY(!pages.paintAll());
    }

private:
    MemoryImage image;
    BandState bands;
    MemoryImage full;
    BandState fullBands;
    std::unique_ptr<PdfText> fullPdf; // the 800-channel report, drawn once
};

QTEST_MAIN(ReportPagesTests)
#include "tst_report_pages.moc"
