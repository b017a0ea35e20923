#include "LogExport.h"

#include "FileAccess.h"
#include "LogText.h"

#include <QStringList>

#include <algorithm>

namespace MainBas::Log {

namespace {

QStringList columnsOf(const Entry &entry)
{
    return {TimeText(entry), WhatText(entry.roll), ResultText(entry.roll)};
}

QString csvField(const QString &field)
{
    const bool plain = std::none_of(field.begin(), field.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n');
    });
    if (plain)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvRecord(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString tabField(QString field)
{
    for (const QChar separator : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')})
        field.replace(separator, QLatin1Char(' '));
    return field;
}

} // namespace

QByteArray CsvText(const std::vector<Entry> &entries)
{
    QString text
        = csvRecord({QStringLiteral("Time"), QStringLiteral("What"), QStringLiteral("Result")});
    for (const Entry &entry : entries)
        text += csvRecord(columnsOf(entry));
    return text.toUtf8();
}

void SaveCsv(const QString &path, const std::vector<Entry> &entries)
{
    WriteFileAtomically(path, CsvText(entries));
}

QString TabSeparatedText(const std::vector<Entry> &entries, const std::vector<int> &rows)
{
    QStringList lines;
    for (const int row : rows) {
        QStringList fields;
        for (const QString &field : columnsOf(entries.at(static_cast<std::size_t>(row))))
            fields << tabField(field);
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace MainBas::Log
