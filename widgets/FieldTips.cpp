#include "FieldTips.h"

#include "HelpCatalog.h"
#include "Language.h"

#include <QHash>
#include <QWidget>

namespace {

// Controls carry their label in the user's language; the help names fields in English.
QHash<QString, QString> englishLabels(const HelpCatalog& help) {
    QHash<QString, QString> labels;
    for (const HelpCatalog::Topic& topic : help.topics())
        for (const HelpCatalog::Field& field : topic.fields) {
            labels.insert(Language::shown(field.label), field.label);
            labels.insert(QCoreApplication::translate("Duoband", field.label.toUtf8()),
                          field.label);
        }
    return labels;
}

} // namespace

void applyFieldTips(QWidget* root, const QString& form) {
    const HelpCatalog& help = HelpCatalog::builtIn(Language::current());
    static const QHash<QString, QString> labels = englishLabels(help);
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->accessibleName().isEmpty() || !w->toolTip().isEmpty())
            continue;
        const QString summary =
            help.summary(labels.value(w->accessibleName(), w->accessibleName()), form);
        if (!summary.isEmpty())
            w->setToolTip(summary);
    }
}
