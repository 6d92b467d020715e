#include "HelpCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// "[[N Title]]" in a topic's text links to topic N.
QString withLinks(const QString& text) {
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+) ([^\\]]+)\\]\\]"));
    QString html = escaped(text);
    html.replace(link, QStringLiteral("<a href=\"topic:\\1\">\\2</a>"));
    return html;
}

// A field's label as its form shows it: a label of the radio's tables, else a program text.
QString shownLabel(const QString& label) {
    const QByteArray english = label.toUtf8();
    const QString radio = QCoreApplication::translate("Radio", english.constData());
    return radio != label ? radio : QCoreApplication::translate("Duoband", english.constData());
}

} // namespace

const HelpCatalog& HelpCatalog::builtIn(const QString& language) {
    static std::map<QString, HelpCatalog> catalogs;
    if (const auto known = catalogs.find(language); known != catalogs.end())
        return known->second;
    Q_INIT_RESOURCE(help);
    QStringList files;
    const QDir english(QStringLiteral(":/help/topics"));
    const QDir translated(english.filePath(language));
    for (const QString& name :
         english.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile file(translated.exists(name) ? translated.filePath(name) : english.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files << QString::fromUtf8(file.readAll());
    }
    return catalogs.emplace(language, fromText(files)).first->second;
}

HelpCatalog HelpCatalog::fromText(const QStringList& files) {
    HelpCatalog catalog;
    for (const QString& text : files) {
        Topic* topic = nullptr;
        QString paragraph;
        auto endParagraph = [&] {
            if (topic && !paragraph.trimmed().isEmpty())
                topic->paragraphs << paragraph.trimmed();
            paragraph.clear();
        };
        for (const QString& rawLine : text.split(u'\n')) {
            const QString line = rawLine.trimmed();
            if (line.startsWith(QLatin1String("@topic "))) {
                endParagraph();
                const QString rest = line.mid(7).trimmed();
                const qsizetype space = rest.indexOf(u' ');
                catalog.topics_.push_back(
                    {rest.left(space).toInt(), {}, rest.mid(space + 1), {}, {}, {}});
                topic = &catalog.topics_.back();
            } else if (!topic) {
                continue;
            } else if (line.startsWith(QLatin1String("@also "))) {
                for (const QString& n : line.mid(6).split(u' ', Qt::SkipEmptyParts))
                    topic->alsoContexts.push_back(n.toInt());
            } else if (line.startsWith(QLatin1String("@form "))) {
                topic->form = line.mid(6).trimmed();
            } else if (line.startsWith(QLatin1String("@field "))) {
                endParagraph();
                const QString rest = line.mid(7);
                const qsizetype bar = rest.indexOf(u'|');
                topic->fields.push_back({rest.left(bar).trimmed(), rest.mid(bar + 1).trimmed()});
            } else if (line.isEmpty()) {
                endParagraph();
            } else {
                paragraph += line + u' ';
            }
        }
        endParagraph();
    }
    return catalog;
}

const HelpCatalog::Topic* HelpCatalog::topic(int context) const {
    for (const Topic& t : topics_)
        if (t.context == context || std::ranges::count(t.alsoContexts, context) > 0)
            return &t;
    return nullptr;
}

QString HelpCatalog::summary(const QString& label, const QString& form) const {
    QString any;
    for (const Topic& t : topics_)
        for (const Field& f : t.fields)
            if (f.label == label) {
                if (t.form == form)
                    return f.summary;
                if (any.isEmpty())
                    any = f.summary;
            }
    return any;
}

QString HelpCatalog::html(const Topic& topic) const {
    QString page = QStringLiteral("<h2>%1</h2>").arg(escaped(topic.title));
    for (const QString& p : topic.paragraphs)
        page += QStringLiteral("<p>%1</p>").arg(withLinks(p));
    if (!topic.fields.empty()) {
        page += QStringLiteral("<table border=\"0\" cellspacing=\"2\" cellpadding=\"4\">");
        for (const Field& f : topic.fields)
            page += QStringLiteral("<tr><td valign=\"top\"><b>%1</b></td><td>%2</td></tr>")
                        .arg(escaped(shownLabel(f.label)), withLinks(f.summary));
        page += QStringLiteral("</table>");
    }
    return page;
}

std::vector<std::pair<QString, int>> HelpCatalog::index() const {
    std::vector<std::pair<QString, int>> entries;
    for (const Topic& t : topics_) {
        if (t.context != 0)
            entries.emplace_back(t.title, t.context);
        for (const Field& f : t.fields)
            entries.emplace_back(QStringLiteral("%1 (%2)").arg(f.label, t.title), t.context);
    }
    std::ranges::sort(entries, [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

std::vector<const HelpCatalog::Topic*> HelpCatalog::search(const QString& query) const {
    const QStringList words = query.simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<const Topic*> found;
    if (words.isEmpty())
        return found;
    for (const Topic& t : topics_) {
        QString text = t.title + u' ' + t.paragraphs.join(u' ');
        for (const Field& f : t.fields)
            text += u' ' + f.label + u' ' + f.summary;
        if (std::ranges::all_of(
                words, [&](const QString& w) { return text.contains(w, Qt::CaseInsensitive); }))
            found.push_back(&t);
    }
    return found;
}
