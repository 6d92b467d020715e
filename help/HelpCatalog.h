#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The program's own help: one topic for each form and tab, found by its help context number,
// and a one-line summary for each field, which is also the field's tooltip. Written once, in
// the topic files built into the program.
//
// A topic file: "@topic N Title" starts a topic (more numbers may follow "@also"), "@form Name"
// names the form whose fields it describes, "@field Label | summary" describes a field, and the
// other lines are the topic's text, paragraphs split by blank lines.
class HelpCatalog {
public:
    struct Field {
        QString label;
        QString summary;
    };
    struct Topic {
        int context = 0;
        std::vector<int> alsoContexts;
        QString title;
        QString form;
        QStringList paragraphs;
        std::vector<Field> fields;
    };

    // The catalog built into the program, in `language` ("de": the German topics, each topic
    // without a German file in English). Field and form names stay the program's English ones.
    static const HelpCatalog& builtIn(const QString& language = QStringLiteral("en"));
    // A catalog from topic files' text, for tests.
    static HelpCatalog fromText(const QStringList& files);

    const std::vector<Topic>& topics() const { return topics_; }
    // The topic for a help context, or null.
    const Topic* topic(int context) const;
    // The contents page (context 0).
    const Topic* contents() const { return topic(0); }
    // A field's summary: the one the form describes, else any topic's; empty when none does.
    QString summary(const QString& label, const QString& form = {}) const;

    // A topic as a page of HTML: its title, text and a table of its fields; topics link to each
    // other as "topic:N".
    QString html(const Topic& topic) const;
    // Every field label and topic title with the topic it leads to, sorted for an index.
    std::vector<std::pair<QString, int>> index() const;
    // The topics whose title, text or fields contain every word of `query`.
    std::vector<const Topic*> search(const QString& query) const;

private:
    std::vector<Topic> topics_;
};
