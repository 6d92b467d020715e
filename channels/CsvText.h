#pragma once

#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QFileDevice;

// A channel list split into rows of cells, each row keeping the line it starts on.
struct ListRow {
    int line;
    QStringList fields;
};

// One CSV line, fields quoted where a reader would otherwise split or trim them, ended by CR LF.
QByteArray csvLine(const QStringList& fields, QChar separator = u',');

// Splits CSV text into rows of fields (quotes, doubled quotes; lines end with CR, LF or CR LF).
QList<ListRow> parseCsv(const QString& text, QChar separator);

// A channel list split into rows of cells, comma- or tab-separated (as its first line shows),
// with quotes as spreadsheets write them.
QList<ListRow> splitChannelList(const QString& text);

// Reads a channel list from a file or stream, refusing one above 16 MiB or with a line above
// 64 KiB before reading it whole (a list of 800 channels is some 60 KiB).
constexpr qint64 kMaxChannelListBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxChannelListLine = 64 * 1024;
Result readChannelList(QFileDevice& in, const QString& name, QByteArray& csv);
