#include "ProblemBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>

namespace {

bool isPath(QStringView word) {
    return word.contains(u'/') || word.contains(u'\\');
}

} // namespace

int textWidthNeeded(const QFontMetrics& metrics, const QString& text, int limit) {
    const int comfortable = 60 * metrics.averageCharWidth();
    int needed = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        needed = std::max(needed, std::min(metrics.horizontalAdvance(paragraph), comfortable));
        qsizetype from = 0;
        while (from < paragraph.size()) {
            qsizetype end = paragraph.indexOf(u' ', from);
            if (end < 0)
                end = paragraph.size();
            const QStringView word = QStringView(paragraph).mid(from, end - from);
            if (isPath(word)) {
                // Through the path from the paragraph's start, or the path alone.
                const int throughPath = metrics.horizontalAdvance(paragraph.left(end));
                needed = std::max(needed, throughPath <= limit
                                              ? throughPath
                                              : metrics.horizontalAdvance(word.toString()));
            }
            from = end + 1;
        }
    }
    return std::min(needed, limit);
}

void fitTexts(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 3 / 4 : 900;
    int needed = 0;
    for (const QLabel* label : box.findChildren<QLabel*>())
        if (!label->text().isEmpty() && label->textFormat() != Qt::RichText)
            needed = std::max(needed, textWidthNeeded(label->fontMetrics(), label->text(), limit));
    if (needed == 0)
        return;
    // The box sizes itself to its layout's minimum width: a spacer under the texts raises it.
    const int icon = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const int spare = 2 * box.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    grid->addItem(
        new QSpacerItem(needed + icon + spare, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}

namespace {
QString& caption() {
    static QString text;
    return text;
}
} // namespace

QString messageCaption() {
    return caption().isEmpty() ? QApplication::applicationDisplayName() : caption();
}

void setMessageCaption(const QString& text) {
    caption() = text;
}

void showProblem(QWidget* parent, const QString& message, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, messageCaption(), message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // a path or a name is never taken for markup
    box.setInformativeText(detail);
    fitTexts(box);
    box.exec();
}
