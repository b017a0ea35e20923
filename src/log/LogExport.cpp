#include "LogExport.h"

#include "FileAccess.h"
#include "LogText.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace MainBas::Log {

namespace {

using Columns = std::array<QString, 3>;

// Bytes gathered before they go to the file: few writes, and a log of any length
// never needs its whole text in memory.
constexpr qsizetype CsvPieceBytes = qsizetype {64} * 1024;

Columns csvColumnsOf(const Entry &entry)
{
    // Figures without grouping and with a decimal point, whatever the user's locale,
    // so that any program reads them the same way.
    const QLocale plain = QLocale::c();
    return {DateTimeText(entry), WhatText(entry.roll, plain), ResultText(entry.roll, plain)};
}

Columns tabColumnsOf(const Entry &entry, const QLocale &locale)
{
    return {TimeText(entry), WhatText(entry.roll, locale), ResultText(entry.roll, locale)};
}

QString quoted(QString field)
{
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

// A spreadsheet takes a field that begins with one of these for a formula, which can
// fetch from the network or run a program when the file is opened.
bool readAsFormula(const QString &field)
{
    return !field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front());
}

QString csvField(const QString &field)
{
    // The leading apostrophe makes it text, and the quotes keep it part of the field.
    if (readAsFormula(field))
        return quoted(QLatin1Char('\'') + field);
    const bool plain = std::none_of(field.begin(), field.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n');
    });
    return plain ? field : quoted(field);
}

QByteArray csvRecord(const Columns &fields)
{
    QString record;
    for (const QString &field : fields) {
        if (!record.isEmpty())
            record += QLatin1Char(',');
        record += csvField(field);
    }
    return (record + QStringLiteral("\r\n")).toUtf8();
}

// The CSV text in pieces of about CsvPieceBytes, handed to put one after the other.
template<typename Put> void writeCsv(const std::vector<Entry> &entries, Put put)
{
    // The byte-order mark tells spreadsheet programs that the text is UTF-8.
    QByteArray piece = "\xEF\xBB\xBF"
        + csvRecord({QStringLiteral("Time"), QStringLiteral("What"), QStringLiteral("Result")});
    for (const Entry &entry : entries) {
        piece += csvRecord(csvColumnsOf(entry));
        if (piece.size() >= CsvPieceBytes) {
            put(piece);
            piece.truncate(0);
        }
    }
    put(piece);
}

bool breaksRows(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

QByteArray CsvText(const std::vector<Entry> &entries)
{
    QByteArray text;
    writeCsv(entries, [&text](const QByteArray &piece) { text += piece; });
    return text;
}

void SaveCsv(const QString &path, const std::vector<Entry> &entries)
{
    AtomicFile file(path);
    writeCsv(entries, [&file](const QByteArray &piece) { file.write(piece); });
    file.commit();
}

qsizetype TabSeparatedLength(const std::vector<Entry> &entries, const std::vector<int> &rows,
                             const QLocale &locale)
{
    // A tab between the columns, a line break between the rows.
    qsizetype length = rows.empty() ? 0 : static_cast<qsizetype>(rows.size()) - 1;
    for (const int row : rows) {
        for (const QString &field : tabColumnsOf(entries.at(static_cast<std::size_t>(row)), locale))
            length += field.size();
        length += 2;
    }
    return length;
}

QString TabSeparatedText(const std::vector<Entry> &entries, const std::vector<int> &rows,
                         const QLocale &locale)
{
    QString text;
    text.reserve(TabSeparatedLength(entries, rows, locale));
    for (const int row : rows) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        const Columns fields = tabColumnsOf(entries.at(static_cast<std::size_t>(row)), locale);
        for (std::size_t column = 0; column < fields.size(); ++column) {
            if (column > 0)
                text += QLatin1Char('\t');
            const qsizetype start = text.size();
            text += fields[column];
            std::replace_if(text.begin() + start, text.end(), breaksRows, QLatin1Char(' '));
        }
    }
    return text;
}

} // namespace MainBas::Log
