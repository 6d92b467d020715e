#include "ReportDiff.h"
#include "Texts.h"

#include "BandState.h"
#include "MemoryImage.h"
#include "ShownBits.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>
#include <optional>

namespace {

using Fields = std::vector<ReportField>;

// A record of one side: its fields, and for a table row the table's row name and number.
struct Record {
    Fields fields;
    QString rowName; // empty for a section's fields and for groups
    int number = 0;
    bool inUse() const {
        for (const auto& [label, value] : fields)
            if (!value.isEmpty())
                return true;
        return false;
    }
    QString key() const {
        QStringList texts;
        for (const auto& [label, value] : fields)
            texts << label + u'\x1F' + value;
        return texts.join(u'\x1E');
    }
};

// The records of one section on both sides, in the order they first appear.
struct Records {
    QStringList order;
    QHash<QString, Record> a, b;

    void add(QHash<QString, Record>& side, const QString& item, Fields fields,
             const QString& rowName = {}, int number = 0) {
        if (!a.contains(item) && !b.contains(item))
            order << item;
        Record& record = side[item];
        if (record.fields.empty())
            record.fields = std::move(fields);
        else
            record.fields.insert(record.fields.end(), std::make_move_iterator(fields.begin()),
                                 std::make_move_iterator(fields.end()));
        record.rowName = rowName;
        record.number = number;
    }
};

QString rowNameOf(const ReportTable& t) {
    return t.rowName.isEmpty() ? t.title : t.rowName;
}

QString itemOf(const QString& rowName, const QStringList& row) {
    return rowName + u' ' + row.value(0);
}

// The table rows alike on both sides in every table that holds their row: nothing of theirs
// can differ or have moved, so they are left out (most rows of two files are alike).
QSet<QString> rowsAlike(const ReportSection& a, const ReportSection& b) {
    if (a.tables.size() != b.tables.size())
        return {};
    QHash<QString, int> tables; // row name -> tables holding such rows
    QHash<QString, int> alike;  // item -> tables where its rows are alike
    for (std::size_t i = 0; i < a.tables.size(); ++i) {
        const ReportTable& x = a.tables[i];
        const ReportTable& y = b.tables[i];
        if (x.title != y.title || x.headers != y.headers)
            return {};
        const QString rowName = rowNameOf(x);
        ++tables[rowName];
        // Rows come in the order of their numbers: walk both lists at once.
        for (std::size_t p = 0, q = 0; p < x.rows.size() && q < y.rows.size();) {
            const int m = x.rows[p].value(0).toInt(), n = y.rows[q].value(0).toInt();
            if (m == n && x.rows[p] == y.rows[q])
                ++alike[itemOf(rowName, x.rows[p])];
            p += m <= n ? 1 : 0;
            q += n <= m ? 1 : 0;
        }
    }
    QSet<QString> out;
    for (auto it = alike.cbegin(); it != alike.cend(); ++it)
        if (it.value() == tables.value(it.key().section(u' ', 0, -2)))
            out.insert(it.key());
    return out;
}

void collect(const ReportSection& s, const QSet<QString>& alike, Records& records,
             QHash<QString, Record>& side) {
    records.add(side, {}, s.fields);
    for (const ReportGroup& g : s.groups)
        records.add(side, s.title + u' ' + g.title, g.fields);
    for (const ReportTable& t : s.tables) {
        const QString rowName = rowNameOf(t);
        for (const QStringList& row : t.rows) {
            const QString item = itemOf(rowName, row);
            if (alike.contains(item))
                continue;
            Fields fields;
            fields.reserve(std::size_t(t.headers.size()));
            for (qsizetype c = 1; c < t.headers.size(); ++c)
                fields.emplace_back(t.headers[c], row.value(c));
            records.add(side, item, std::move(fields), rowName, row.value(0).toInt());
        }
    }
}

void compareFields(const QString& section, const QString& item, const Fields& x, const Fields& y,
                   std::vector<Difference>& out) {
    if (x == y)
        return;
    if (x.size() == y.size() && std::ranges::equal(x, y, [](const auto& p, const auto& q) {
            return p.first == q.first;
        })) { // the same fields on both sides, in the same order
        for (std::size_t i = 0; i < x.size(); ++i)
            if (x[i].second != y[i].second)
                out.push_back({section, item, x[i].first, x[i].second, y[i].second});
        return;
    }
    QStringList labels;
    QHash<QString, QString> before, after;
    for (auto [fields, texts] : {std::pair{&x, &before}, {&y, &after}})
        for (const auto& [label, value] : *fields) {
            if (!before.contains(label) && !after.contains(label))
                labels << label;
            texts->insert(label, value);
        }
    for (const QString& label : labels)
        if (before.value(label) != after.value(label))
            out.push_back({section, item, label, before.value(label), after.value(label)});
}

QString range(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

// The rows of one table's records (row name `rowName`) that moved unchanged to another row
// where something changed: from -> to, each row at most once, the nearest candidate first.
std::map<int, int> findMoves(const Records& records, const QString& rowName) {
    QHash<QString, std::vector<int>> landing; // content -> rows of `after` that changed to it
    QHash<int, QString> before, after;
    for (const QString& item : records.order) {
        const auto xi = records.a.constFind(item), yi = records.b.constFind(item);
        const Record* x = xi != records.a.cend() ? &*xi : nullptr;
        const Record* y = yi != records.b.cend() ? &*yi : nullptr;
        const Record* any = x ? x : y;
        if (any->rowName != rowName)
            continue;
        if (x && y && x->fields == y->fields)
            continue; // the row kept its content: neither source nor landing of a move
        if (x && x->inUse())
            before.insert(any->number, x->key());
        if (y && y->inUse())
            after.insert(any->number, y->key());
    }
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value())
            landing[it.value()].push_back(it.key());
    std::map<int, int> moves;
    std::vector<int> taken;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (after.value(it.key()) == it.value())
            continue; // the row kept its content
        std::optional<int> best;
        for (int to : landing.value(it.value()))
            if (std::ranges::find(taken, to) == taken.end() &&
                (!best || std::abs(to - it.key()) < std::abs(*best - it.key())))
                best = to;
        if (best) {
            moves[it.key()] = *best;
            taken.push_back(*best);
        }
    }
    return moves;
}

void compareSection(const ReportSection& a, const ReportSection& b, std::vector<Difference>& out) {
    Records records;
    const QSet<QString> alike = rowsAlike(a, b);
    collect(a, alike, records, records.a);
    collect(b, alike, records, records.b);
    QStringList rowNames;
    for (const ReportTable& t : a.tables)
        if (const QString name = rowNameOf(t); !rowNames.contains(name))
            rowNames << name;
    std::map<QString, std::map<int, int>> moves; // row name -> from -> to
    QHash<QString, bool> movedAway, movedIn;     // items whose content left or arrived
    for (const QString& rowName : rowNames) {
        moves[rowName] = findMoves(records, rowName);
        for (auto [from, to] : moves[rowName]) {
            movedAway.insert(rowName + u' ' + QString::number(from), true);
            movedIn.insert(rowName + u' ' + QString::number(to), true);
        }
    }
    std::vector<Difference> moved;
    for (const auto& [rowName, rows] : moves) {
        // A run of rows that all moved by the same distance is one move.
        for (auto it = rows.begin(); it != rows.end();) {
            auto end = std::next(it);
            while (end != rows.end() && end->first == std::prev(end)->first + 1 &&
                   end->second - end->first == it->second - it->first)
                ++end;
            const int first = it->first, last = std::prev(end)->first;
            const QString plural = first == last ? rowName : rowName + u's';
            moved.push_back({a.title,
                             plural + u' ' + range(first, last),
                             {},
                             {},
                             range(it->second, std::prev(end)->second),
                             true});
            it = end;
        }
    }
    out.insert(out.end(), moved.begin(), moved.end());
    const Record none;
    for (const QString& item : records.order) {
        const Record& x =
            records.a.contains(item) && !movedAway.contains(item) ? records.a[item] : none;
        const Record& y =
            records.b.contains(item) && !movedIn.contains(item) ? records.b[item] : none;
        compareFields(a.title, item, x.fields, y.fields, out);
    }
}

} // namespace

std::vector<Difference> compareReports(const Report& before, const Report& after) {
    std::vector<Difference> out;
    for (const ReportSection& a : before.sections)
        for (const ReportSection& b : after.sections)
            if (b.title == a.title)
                compareSection(a, b, out);
    return out;
}

QString differenceLine(const Difference& d) {
    const QString item = d.item.isEmpty() ? d.section : d.item;
    if (d.moved)
        return Texts::tr("%1 moved to %2").arg(item, d.after);
    const auto shown = [](const QString& text) {
        return text.isEmpty() ? Texts::tr("(none)") : text;
    };
    return QStringLiteral("%1: %2: %3 -> %4").arg(item, d.field, shown(d.before), shown(d.after));
}

QStringList Comparison::closingLines() const {
    auto at = [](std::uint32_t address) {
        const bool pc = address >= MemoryImage::kPcBase;
        const QString hex = QString::number(pc ? address - MemoryImage::kPcBase : address, 16);
        return (pc ? Texts::tr("PC block 0x") : QStringLiteral("0x")) +
               hex.toUpper().rightJustified(pc ? 3 : 4, u'0');
    };
    QStringList lines;
    auto bytes = [](int n) { return Texts::tr("%n byte(s) differ(s)", nullptr, n); };
    if (bytesOutside > 0)
        lines << Texts::tr("%1 outside the forms (first at %2)")
                     .arg(bytes(bytesOutside), at(firstOutside));
    if (bytesAlike > 0)
        lines << Texts::tr("%1 where the forms show the same (first at %2)")
                     .arg(bytes(bytesAlike), at(firstAlike));
    return lines;
}

Comparison compareData(const MemoryImage& before, const BandState& beforeBands,
                       const MemoryImage& after, const BandState& afterBands) {
    Comparison c;
    c.differences =
        compareReports(buildReport(before, beforeBands), buildReport(after, afterBands));
    ShownBits shown = ShownBits::of(beforeBands);
    shown.unite(ShownBits::of(afterBands));
    const std::uint32_t end = MemoryImage::kPcBase + MemoryImage::kPcSize;
    for (std::uint32_t address = 0; address < end; ++address) { // the PC block follows the image
        const std::uint8_t changed = before.byte(address) ^ after.byte(address);
        if (changed == 0)
            continue;
        if (changed & ~shown.mask(address)) {
            if (c.bytesOutside++ == 0)
                c.firstOutside = address;
        } else if (c.differences.empty() && c.bytesAlike++ == 0) {
            c.firstAlike = address;
        }
    }
    return c;
}
