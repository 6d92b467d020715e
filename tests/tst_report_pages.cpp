// The report's pages, drawn into PDF and read back with pdftotext: the page frame, the page
// count, and where the two body line forms put their text.
#include "BandState.h"
#include "FactoryDefault.h"
#include "MemoryImage.h"
#include "PageLayout.h"
#include "PdfText.h"
#include "Report.h"
#include "ReportPages.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const Word* find(const std::vector<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

// What reportPdf lays `body` out with: the page frame's measures and the page count.
std::pair<ReportPages::Metrics, int> pdfLayout(const BodyLines& body) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpPdfWriter(writer, "x");
    const ReportPages pages(writer, "x", body);
    return {pages.metrics(), pages.pageCount()};
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
    }

    void factoryDefaultPrintsEveryPageWithItsFrame() {
        MemoryImage image = buildFactoryDefault();
        BandState bands;
        bands.loadLimitsFromImage(image);
        bands.deriveEnabledFlags(image);
        const BodyLines body = reportLines(buildReport(image, bands));
        const auto pdf = reportPdf("abc", body);
        QVERIFY(pdf);

        // The page count is the body's lines laid out on the page's body height.
        const auto [m, pageCount] = pdfLayout(body);
        QCOMPARE(m.bodyHeight, m.pageHeight - 3 * m.textHeight - 100);
        const int count =
            int(PageLayout::pageStarts(int(body.lines.size()), m.lineHeight, m.bodyHeight).size());
        QCOMPARE(pageCount, count);
        QVERIFY2(count > 3, "the factory default fills several pages");

        const PdfText text(*pdf);
        QVERIFY(text.text(count + 1).isEmpty()); // no page beyond the count
        for (int page = 1; page <= count; ++page) {
            const QString shown = text.text(page);
            QStringList lines = shown.split('\n');
            lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
            QVERIFY2(!lines.isEmpty() && lines.first().trimmed() == "abc", qPrintable(shown));
            QCOMPARE(lines.last().trimmed(), PageLayout::footer(page, count));
        }
        const QString first = text.text(1);
        QVERIFY(first.contains(QRegularExpression("Model name: *DUOBAND")));
        QVERIFY(first.contains(QRegularExpression("150M +134\\.00000 +180\\.00000")));
        QString all;
        for (int page = 1; page <= count; ++page)
            all += text.text(page);
        for (const char* title : {"Basic setting", "Alarm", "DTMF codes", "Contacts", "5Tone"})
            QVERIFY2(all.contains(title), title);
        QVERIFY(all.contains(QRegularExpression("Beep: *On")));
    }

    void bodyLinesAreLaidOutInTheirForms() {
        const BodyLines body{{"Alpha:1^^Beta:2^^Gamma:3^^hidden", "one\ttwo", "three\tfour"}, {}};
        const auto pdf = reportPdf("forms", body);
        QVERIFY(pdf);
        const ReportPages::Metrics m = pdfLayout(body).first;

        // Points from device units (300 per inch), from the 12 mm margin and 4 characters in.
        const double unit = 72.0 / 300.0;
        const double left = 12 / 25.4 * 72 + 4 * m.charWidth * unit;
        const double column = (m.pageWidth - 8 * m.charWidth) / 6 * unit;
        const std::vector<Word> words = PdfText(*pdf).words(1);
        // Each field takes two of six columns: the label right-aligned in the first, the value
        // 20 units into the second.
        const char* const labels[] = {"Alpha:", "Beta:", "Gamma:"};
        const char* const values[] = {"1", "2", "3"};
        for (int f = 0; f < 3; ++f) {
            const Word* label = find(words, labels[f]);
            const Word* value = find(words, values[f]);
            QVERIFY2(label && value, labels[f]);
            QVERIFY2(qAbs(label->xMax - (left + (2 * f + 1) * column)) < 2.0, labels[f]);
            QVERIFY2(qAbs(value->xMin - (left + (2 * f + 1) * column + 20 * unit)) < 2.0,
                     values[f]);
            QVERIFY2(label->xMin > left + 2 * f * column, labels[f]);
        }
        QVERIFY(!find(words, "hidden")); // text after the last "^^" is not drawn
        // A plain line starts at the margin, one line below; lines of tab-separated cells
        // line their cells up in columns just wide enough for the widest.
        const Word* one = find(words, "one");
        const Word* two = find(words, "two");
        const Word* three = find(words, "three");
        const Word* four = find(words, "four");
        QVERIFY(one && two && three && four);
        QVERIFY(qAbs(one->xMin - left) < 2.0);
        QVERIFY(qAbs(three->xMin - left) < 2.0);
        QVERIFY(qAbs(one->yMin - find(words, "Alpha:")->yMin - m.lineHeight * unit) < 2.0);
        QVERIFY(qAbs(two->xMin - four->xMin) < 0.5);
        QVERIFY(four->xMin > three->xMax + m.charWidth * unit);
        QVERIFY(four->xMin < three->xMax + 3 * m.charWidth * unit);
    }

    void anEmptyBodyIsOnePageWithItsFrame() {
        const auto pdf = reportPdf("", {});
        QVERIFY(pdf);
        const QString text = PdfText(*pdf).text(1);
        QVERIFY2(text.contains("-- Page 1 of 1 --"), qPrintable(text));
    }

    void aFailedPageAbortsTheDocument() {
        BodyLines body;
        for (int i = 0; i < 200; ++i)
            body.lines << QString("line %1").arg(i);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        FailingWriter writer(&buffer, 2);
        setUpPdfWriter(writer, "x");
        ReportPages pages(writer, "x", body);
        QVERIFY(pages.pageCount() >= 2);
        QVERIFY(!pages.paintAll());
    }
};

QTEST_MAIN(ReportPagesTests)
#include "tst_report_pages.moc"
