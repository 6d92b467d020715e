// The channel table's clipboard: whole records for this program, tab-separated text for
// spreadsheets and CSV for other programs on the way out; records or text on the way in.
#include "ChannelTableView.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelClipboard.h"
#include "ChannelTableTexts.h"
#include "GridControl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using namespace ChannelTableTexts;

void ChannelTableView::copyRows() {
    finishEdits();
    const std::vector<int> rows = selectedRows();
    const ChannelClipboard::Copied copied = ChannelClipboard::copy(*table_, image(), rows);
    auto* data = new QMimeData;
    data->setText(copied.text);
    data->setData(ChannelClipboard::kCsvFormat, copied.csv);
    data->setData(ChannelClipboard::kRecordsFormat, copied.records);
    QGuiApplication::clipboard()->setMimeData(data);
    Q_EMIT statusMessage(Texts::tr("Copied %n channel(s)", nullptr, int(rows.size())));
}

void ChannelTableView::cutRows() {
    copyRows();
    emptyRows(Emptying::Cut);
}

void ChannelTableView::pasteRows() {
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        pasteAt(selectedRows().front(), *data);
    else
        Q_EMIT statusMessage(Texts::tr("The clipboard holds no channel rows."));
}

void ChannelTableView::pasteAt(int first, const QMimeData& data) {
    finishEdits();
    // Records copied here keep every field; text goes through the rules of an import.
    if (data.hasFormat(ChannelClipboard::kRecordsFormat))
        if (const std::optional<int> placed = ChannelClipboard::pasteRecords(
                image(), bands_, data.data(ChannelClipboard::kRecordsFormat), first)) {
            recordsChanged(Texts::tr("Paste %n channel(s)", nullptr, *placed),
                           Texts::tr("Pasted %n channel(s) at %1", nullptr, *placed).arg(first));
            grid_->selectGridRows(first, first + *placed - 1);
            return;
        }
    const QString text =
        data.hasText() ? data.text() : QString::fromUtf8(data.data(ChannelClipboard::kCsvFormat));
    const ImportResult result = ChannelClipboard::pasteText(image(), bands_, text, first);
    if (!result.ok) {
        Q_EMIT statusMessage(result.message);
        return;
    }
    const QString step = Texts::tr("Paste %n channel(s)", nullptr, result.imported);
    QString status = Texts::tr("Pasted %n channel(s) at %1", nullptr, result.imported).arg(first);
    if (!result.warnings.isEmpty())
        status += QStringLiteral("; %1").arg(result.warnings.join(QStringLiteral("; ")));
    if (!result.notes.isEmpty())
        status += QStringLiteral("; %1").arg(result.notes.join(QStringLiteral("; ")));
    recordsChanged(step, status);
    if (result.imported > 0)
        grid_->selectGridRows(first,
                              std::min<int>(first + result.imported - 1, ChannelTable::kRows));
}
