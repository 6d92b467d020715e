#pragma once

#include "TestFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

struct Word {
    QString text;
    double xMin, xMax, yMin, yMax;
};

// A PDF read back with pdftotext: a page's text, or its words where they stand, in points.
// Empty when pdftotext cannot run.
class PdfText {
public:
    explicit PdfText(const QByteArray& pdf) {
        path_ = dir_.filePath("r.pdf");
        writeFile(path_, pdf);
    }
    QString text(int page) const { return run({"-layout"}, page); }
    // Every page's text, read at once (pdftotext ends each page with a form feed).
    QStringList pages() const {
        QProcess p;
        p.start("pdftotext", {"-layout", path_, "-"});
        p.waitForFinished(30000);
        QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // "Page size:  595.276 x 841.89 pts (A4)" and the like, from pdfinfo.
    QString pageSize() const {
        QProcess p;
        p.start("pdfinfo", {path_});
        p.waitForFinished(10000);
        const QString info = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression size("Page size: *([^\\n]*)");
        return size.match(info).captured(1).trimmed();
    }
    std::vector<Word> words(int page) const {
        std::vector<Word> words;
        const QRegularExpression word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        auto it = word.globalMatch(run({"-bbox"}, page));
        while (it.hasNext()) {
            const auto m = it.next();
            words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(3).toDouble(),
                             m.captured(2).toDouble(), m.captured(4).toDouble()});
        }
        return words;
    }

private:
    QString run(const QStringList& options, int page) const {
        QProcess p;
        p.start("pdftotext", options + QStringList{"-f", QString::number(page), "-l",
                                                   QString::number(page), path_, "-"});
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QTemporaryDir dir_;
    QString path_;
};

inline QString pdfFileText(const QString& path, int page) {
    return PdfText(fileBytes(path)).text(page);
}
