#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

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

// The file's lines and its line ending; an absent file has none.
QStringList readLines(const QString& path, QString* ending = nullptr) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    if (ending)
        *ending =
            text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the final line ending
    for (auto& l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);
    return lines;
}

} // namespace

QString IniFile::get(const QString& section, const QString& key, const QString& fallback) const {
    if (key.isEmpty())
        return fallback;
    bool inSection = false;
    for (const QString& raw : readLines(path_)) {
        const Line line = parse(raw);
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
    QString ending = QStringLiteral("\n");
    QStringList lines = readLines(path_, &ending);
    const QString entry = key + u'=' + value;

    qsizetype sectionAt = -1; // line of the section header
    qsizetype insertAt = -1;  // after the section's last entry
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        const Line line = parse(lines[i]);
        if (line.kind == Line::Section) {
            if (sectionAt >= 0)
                break; // the section ended without the key
            if (same(line.name, section))
                sectionAt = insertAt = i;
        } else if (sectionAt >= 0 && line.kind == Line::Entry) {
            if (same(line.name, key)) {
                lines[i] = entry;
                written = true;
            }
            insertAt = i;
        }
    }
    if (!written) {
        if (sectionAt >= 0) {
            lines.insert(insertAt + 1, entry);
        } else {
            lines << u'[' + section + u']' << entry;
        }
    }

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(ending) + ending).toUtf8());
    return file.commit();
}
