#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <vector>

namespace {

constexpr int kMaxValueLength = 255;

struct Line {
    enum Kind { Other, Section, Entry } kind = Other;
    QString name;  // section or key name
    QString value; // entry value
};

Line parse(const QString& raw) {
    const QString line = raw.trimmed();
    if (line.startsWith(u'[')) {
        const auto close = line.indexOf(u']');
        if (close > 0)
            return {Line::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    if (line.isEmpty() || line.startsWith(u';'))
        return {};
    const auto eq = line.indexOf(u'=');
    if (eq <= 0)
        return {};
    QString value = line.mid(eq + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return {Line::Entry, line.left(eq).trimmed(), value};
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line of the file with the ending it had ("\r\n", "\n", or none after the last line), so
// that a put writes back every other line exactly as it was.
struct RawLine {
    QString text;
    QString ending;
};

// The file's lines; an absent file has none. `ending` is the one a new line gets: the first
// line's, or "\n".
std::vector<RawLine> readLines(const QString& path, QString* ending = nullptr) {
    if (ending)
        *ending = QStringLiteral("\n");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf(u'\n', start);
        if (lf < 0) {
            lines.push_back({text.mid(start), {}});
            break;
        }
        const bool crlf = lf > start && text[lf - 1] == u'\r';
        const qsizetype end = crlf ? lf - 1 : lf;
        lines.push_back({text.mid(start, end - start), text.mid(end, lf + 1 - end)});
        start = lf + 1;
    }
    if (ending)
        *ending = !lines.empty() && !lines.front().ending.isEmpty() ? lines.front().ending
                                                                    : QStringLiteral("\n");
    return lines;
}

} // namespace

QString IniFile::get(const QString& section, const QString& key, const QString& fallback) const {
    if (key.isEmpty())
        return fallback;
    bool inSection = false;
    for (const RawLine& raw : readLines(path_)) {
        const Line line = parse(raw.text);
        if (line.kind == Line::Section)
            inSection = same(line.name, section);
        else if (inSection && line.kind == Line::Entry && same(line.name, key))
            return line.value.left(kMaxValueLength);
    }
    return fallback;
}

bool IniFile::put(const QString& section, const QString& key, const QString& value) const {
    if (key.isEmpty() || value.isEmpty())
        return false;
    QString ending;
    std::vector<RawLine> lines = readLines(path_, &ending);
    const QString entry = key + u'=' + value;

    qsizetype sectionAt = -1; // line of the section header
    qsizetype insertAt = -1;  // after the section's last entry
    bool written = false;
    for (qsizetype i = 0; i < qsizetype(lines.size()) && !written; ++i) {
        const Line line = parse(lines[std::size_t(i)].text);
        if (line.kind == Line::Section) {
            if (sectionAt >= 0)
                break; // the section ended without the key
            if (same(line.name, section))
                sectionAt = insertAt = i;
        } else if (sectionAt >= 0 && line.kind == Line::Entry) {
            if (same(line.name, key)) {
                lines[std::size_t(i)].text = entry;
                written = true;
            }
            insertAt = i;
        }
    }
    if (!written) {
        // The line before a new one ends, if it was the last and had no ending.
        const auto insert = [&](qsizetype at, const QString& text) {
            if (at > 0 && lines[std::size_t(at - 1)].ending.isEmpty())
                lines[std::size_t(at - 1)].ending = ending;
            lines.insert(lines.begin() + at, {text, ending});
        };
        if (sectionAt >= 0) {
            insert(insertAt + 1, entry);
        } else {
            insert(qsizetype(lines.size()), u'[' + section + u']');
            insert(qsizetype(lines.size()), entry);
        }
    }

    QString text;
    for (const RawLine& line : lines)
        text += line.text + line.ending;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}
