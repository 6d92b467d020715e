#include "ReportDiff.h"

#include <QHash>

namespace {

// Named texts in the order of first appearance in either list.
struct Named {
    QStringList order;
    QHash<QString, QStringList> a, b;

    void add(QHash<QString, QStringList>& side, const QString& name, const QStringList& text) {
        if (!a.contains(name) && !b.contains(name))
            order << name;
        side.insert(name, text);
    }
};

template <typename T, typename Key> const T* find(const std::vector<T>& list, Key key) {
    for (const T& item : list)
        if (key(item))
            return &item;
    return nullptr;
}

void compareFields(const QString& section, const QString& prefix,
                   const std::vector<ReportField>* before, const std::vector<ReportField>* after,
                   std::vector<Difference>& out) {
    Named named;
    for (auto [list, side] : {std::pair{before, &named.a}, {after, &named.b}})
        if (list)
            for (const auto& [label, value] : *list)
                named.add(*side, label, {value});
    for (const QString& label : named.order) {
        const QString x = named.a.value(label).value(0), y = named.b.value(label).value(0);
        if (x != y)
            out.push_back({section, prefix + label, x, y});
    }
}

// A row with nothing but its name is a row not in use.
QStringList inUse(const QStringList& row) {
    for (qsizetype c = 1; c < row.size(); ++c)
        if (!row[c].isEmpty())
            return row;
    return {};
}

// A changed row names the cells that differ; a row only one side uses shows all of its cells.
void compareTables(const QString& section, const ReportTable* before, const ReportTable* after,
                   std::vector<Difference>& out) {
    Named named;
    for (auto [table, side] : {std::pair{before, &named.a}, {after, &named.b}})
        if (table)
            for (const QStringList& row : table->rows)
                named.add(*side, row.value(0), row);
    const ReportTable& shape = before ? *before : *after;
    for (const QString& name : named.order) {
        const QStringList x = inUse(named.a.value(name)), y = inUse(named.b.value(name));
        if (x == y)
            continue;
        QStringList was, is;
        for (qsizetype c = 1; c < shape.headers.size(); ++c) {
            const QString from = x.value(c), to = y.value(c);
            const bool wholeRow = x.isEmpty() || y.isEmpty();
            if (from == to && !wholeRow)
                continue;
            if (!x.isEmpty())
                was << shape.headers[c] + QStringLiteral(": ") + from;
            if (!y.isEmpty())
                is << shape.headers[c] + QStringLiteral(": ") + to;
        }
        out.push_back({section, shape.title + u' ' + name, was.join(QStringLiteral(", ")),
                       is.join(QStringLiteral(", "))});
    }
}

} // namespace

std::vector<Difference> compareReports(const Report& before, const Report& after) {
    std::vector<Difference> out;
    for (const ReportSection& a : before.sections) {
        const ReportSection* b =
            find(after.sections, [&](const ReportSection& s) { return s.title == a.title; });
        if (!b)
            continue;
        compareFields(a.title, {}, &a.fields, &b->fields, out);
        Named groups;
        for (auto [list, side] : {std::pair{&a.groups, &groups.a}, {&b->groups, &groups.b}})
            for (const ReportGroup& g : *list)
                groups.add(*side, g.title, {});
        for (const QString& title : groups.order) {
            auto named = [&](const ReportGroup& g) { return g.title == title; };
            const ReportGroup* x = find(a.groups, named);
            const ReportGroup* y = find(b->groups, named);
            compareFields(a.title, title + u' ', x ? &x->fields : nullptr, y ? &y->fields : nullptr,
                          out);
        }
        for (const ReportTable& table : a.tables)
            compareTables(
                a.title, &table,
                find(b->tables, [&](const ReportTable& t) { return t.title == table.title; }), out);
    }
    return out;
}

QString differenceLine(const Difference& d) {
    const auto shown = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("(none)") : text;
    };
    return QStringLiteral("%1: %2: %3 -> %4")
        .arg(d.section, d.item, shown(d.before), shown(d.after));
}
