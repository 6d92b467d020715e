// CSV text as spreadsheets and other programs write it: fields quoted where they must be on the
// way out, split into rows of fields on the way in, and a list file read within sane bounds.
#include "CsvText.h"
#include "Texts.h"

#include <QFileDevice>

namespace {

// A field is quoted when it holds what would end it, or spaces at either end that a reader
// would otherwise trim (a name may begin with a space).
QString quoted(const QString& field, QChar separator) {
    const bool spaceAtEnd = !field.isEmpty() && (field.front() == u' ' || field.back() == u' ');
    if (!spaceAtEnd && !field.contains(separator) && !field.contains(u'"') &&
        !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QByteArray csvLine(const QStringList& fields, QChar separator) {
    QStringList out;
    for (const QString& f : fields)
        out << quoted(f, separator);
    return (out.join(separator) + QStringLiteral("\r\n")).toUtf8();
}

// Splits the text into records of fields (quotes, doubled quotes; lines end with CR, LF or
// CR LF), keeping for each record the line it starts on. Spaces around a field are trimmed;
// what stands between quotes is kept as it is.
QList<ListRow> parseCsv(const QString& text, QChar separator) {
    QList<ListRow> records;
    ListRow current{1, {}};
    QString field;
    bool inQuotes = false;
    qsizetype quotedUpTo = -1; // the end of the field's quoted text, -1 when it has none
    int line = 1;
    auto endField = [&] {
        const QStringView all(field);
        if (quotedUpTo < 0) {
            current.fields << all.trimmed().toString();
        } else {
            QStringView tail = all.mid(quotedUpTo);
            while (!tail.isEmpty() && tail.back().isSpace())
                tail.chop(1);
            current.fields << all.left(quotedUpTo).toString().append(tail);
        }
        field.resize(0); // keeps its room for the next field
        quotedUpTo = -1;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = current.fields.size() == 1 && current.fields[0].trimmed().isEmpty();
        if (!blank)
            records << current;
        current = {line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
                quotedUpTo = field.size();
            } else {
                if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            if (quotedUpTo < 0 && field.trimmed().isEmpty())
                field.clear(); // spaces before the opening quote
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !current.fields.isEmpty())
        endRecord();
    return records;
}

QList<ListRow> splitChannelList(const QString& text) {
    // Spreadsheets copy cells as tab-separated lines; a tab in the first line tells them apart.
    const QString first = text.left(text.indexOf(u'\n'));
    return parseCsv(text, first.contains(u'\t') ? u'\t' : u',');
}

Result readChannelList(QFileDevice& in, const QString& name, QByteArray& csv) {
    csv.clear();
    qint64 lineLength = 0;
    int line = 1;
    for (;;) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty())
            break;
        for (char c : piece) {
            if (c == '\n' || c == '\r') {
                lineLength = 0;
                line += c == '\n' ? 1 : 0;
            } else if (++lineLength > kMaxChannelListLine) {
                return Result::failure(
                    Texts::tr("%1: line %2 is longer than %3 KiB; this is not a channel list.")
                        .arg(name)
                        .arg(line)
                        .arg(kMaxChannelListLine / 1024));
            }
        }
        csv += piece;
        if (csv.size() > kMaxChannelListBytes)
            return Result::failure(
                Texts::tr("%1 is larger than %2 MiB; this is not a channel list.")
                    .arg(name)
                    .arg(kMaxChannelListBytes / (1024 * 1024)));
    }
    if (in.error() != QFileDevice::NoError)
        return Result::failure(Texts::tr("Cannot read %1: %2").arg(name, in.errorString()));
    return {};
}
