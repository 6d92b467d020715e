#include "FieldTips.h"

#include "HelpCatalog.h"

#include <QWidget>

void applyFieldTips(QWidget* root, const QString& form) {
    const HelpCatalog& help = HelpCatalog::builtIn();
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->accessibleName().isEmpty() || !w->toolTip().isEmpty())
            continue;
        const QString summary = help.summary(w->accessibleName(), form);
        if (!summary.isEmpty())
            w->setToolTip(summary);
    }
}
