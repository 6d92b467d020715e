// The channel table's list files: "Import channels..." and "Export channels..." with their file
// dialogs, and what the table shows and records after them.
#include "ChannelTableView.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelCsv.h"
#include "ChannelImportDialog.h"
#include "GridControl.h"
#include "ProblemBox.h"
#include "ShownPath.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

QString ChannelTableView::exportChannelsTo(const QString& path, bool interchange) {
    SaveToImage();
    const QByteArray csv =
        exportChannels(image(), bands_, interchange ? CsvDialect::Interchange : CsvDialect::Native);
    if (const Result written = writeWholeFile(path, csv); !written.ok)
        return written.message;
    Q_EMIT statusMessage(Texts::tr("Exported %n channel(s) to %1", nullptr,
                                   int(std::max<qsizetype>(0, csv.count('\n') - 1)))
                             .arg(shownPath(path)));
    return {};
}

Result ChannelTableView::readListFile(const QString& path, QByteArray& csv) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(
            Texts::tr("Cannot open \"%1\": %2").arg(shownPath(path), file.errorString()));
    return readChannelList(file, shownPath(path), csv);
}

QString ChannelTableView::importChannelsFrom(const QString& path, ImportPlacement placement) {
    QByteArray csv;
    if (const Result read = readListFile(path, csv); !read.ok)
        return read.message;
    SaveToImage();
    const ImportResult result = importChannels(image(), bands_, csv, placement);
    if (!result.ok)
        return result.message;
    LoadFromImage();
    Q_EMIT imageChanged(Texts::tr("Import channels"));
    Q_EMIT statusMessage(Texts::tr("%1 from %2").arg(result.countText(), shownPath(path)));
    QStringList told;
    if (!result.warnings.isEmpty())
        told << Texts::tr("These lines were skipped:\n%1").arg(result.warnings.join(u'\n'));
    if (!result.notes.isEmpty())
        told << Texts::tr("Note:\n%1").arg(result.notes.join(u'\n'));
    if (!result.summary.isEmpty())
        told << result.summary.join(u'\n');
    if (told.isEmpty())
        return {};
    return QStringLiteral("%1.\n%2").arg(result.countText(), told.join(u'\n'));
}

void ChannelTableView::previewImport(const QString& path) {
    QByteArray csv;
    if (const Result read = readListFile(path, csv); !read.ok) {
        showProblem(this, read.message);
        return;
    }
    SaveToImage();
    ChannelImportDialog dialog(image(), bands_, csv, QFileInfo(path).fileName(), this);
    if (!dialog.preview().ok) {
        showProblem(this, dialog.preview().message);
        return;
    }
    if (dialog.exec() != QDialog::Accepted) {
        Q_EMIT statusMessage(Texts::tr("Import cancelled; nothing changed"));
        return;
    }
    const ImportResult result = importChannels(image(), bands_, csv, dialog.placement());
    LoadFromImage();
    Q_EMIT imageChanged(Texts::tr("Import channels"));
    Q_EMIT statusMessage(Texts::tr("%1 from %2").arg(result.countText(), shownPath(path)));
    grid_->setFocus();
}

void ChannelTableView::exportChannelsCommand() {
    const QString native = Texts::tr("Channel table (*.csv)");
    const QString interchange = Texts::tr("Channel list for other programmers (*.csv)");
    QString filter;
    QString path =
        QFileDialog::getSaveFileName(this, Texts::tr("Export channels"), {},
                                     native + QStringLiteral(";;") + interchange, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (const QString problem = exportChannelsTo(path, filter == interchange); !problem.isEmpty())
        showProblem(this, problem);
}

void ChannelTableView::importChannelsCommand() {
    const QString path = QFileDialog::getOpenFileName(
        this, Texts::tr("Import channels"), {}, Texts::tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        previewImport(path);
}
