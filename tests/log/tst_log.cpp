// The roll log without a window: its summary as entries come and go, the CSV export read
// back by a strict reader, and the tab-separated copy.
#include "LogExport.h"
#include "RollLog.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

using Records = QList<QStringList>;

std::int64_t at(int hour, int minute, int second)
{
    return QDateTime(QDate(2024, 6, 1), QTime(hour, minute, second)).toSecsSinceEpoch();
}

// Reads RFC 4180 records, refusing what a writer that forgot to quote would produce: a
// quote inside a bare field, or a CR or LF outside quotes that does not end a record.
std::optional<Records> readCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    Records records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (text.mid(i + 1, 1) == u"\""_s)
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            record << std::exchange(field, {});
        } else if (text.mid(i, 2) == u"\r\n"_s) {
            record << std::exchange(field, {});
            records << std::exchange(record, {});
            ++i;
        } else if (c == u'"' || c == u'\r' || c == u'\n') {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return std::nullopt;
    return records;
}

} // namespace

class TestLog : public QObject
{
    Q_OBJECT

private slots:
    // Every entry is a roll; fumbles and the mean come from step rolls only. Each change
    // is signalled, and clearing starts the figures afresh.
    void summaryFollowsTheLog()
    {
        Log::RollLog log;
        QSignalSpy appended(&log, &Log::RollLog::appended);
        QSignalSpy cleared(&log, &Log::RollLog::cleared);
        QCOMPARE(Log::SummaryText(log.summary()),
                 u"Rolls: 0   Step rolls: 0   Fumbles: 0   Mean step total: -"_s);
        log.append(Log::StepRolled {5, 2, 2, true});
        log.append(Log::FreeDieAdded {6, 6, 8});
        log.append(Log::StepRolled {20, 21, 3, false});
        log.append(Log::StepRolled {1, -1, 1, true});
        log.append(Log::DecisionMade {12, 7});
        QCOMPARE(Log::SummaryText(log.summary()),
                 u"Rolls: 5   Step rolls: 3   Fumbles: 2   Mean step total: 7.3"_s);
        QCOMPARE(appended.size(), 5);

        log.clear();
        QCOMPARE(cleared.size(), 1);
        QVERIFY(log.entries().empty());
        QCOMPARE(log.summary().rolls, 0);
        QCOMPARE(log.summary().meanStepTotal(), std::nullopt);
    }

    // Commas, quotes, CR LF and characters beyond ASCII, also beyond 16 bits, come back
    // exactly; the header comes first and every record ends with CR LF. The saved file
    // holds the same bytes.
    void csvRoundTrip()
    {
        Log::RollLog log;
        log.append(Log::ActionDrawn {u"Inn, The Boar"_s, u"A fight\r\nbreaks out"_s},
                   at(21, 7, 45));
        log.append(Log::ActionDrawn {u"\"Quoted\""_s, u"LF\nalone"_s}, at(9, 0, 5));
        log.append(Log::ActionDrawn {u"Café Ærø"_s, u"CR\ralone 𝄞"_s}, at(12, 30, 0));
        log.append(Log::StepRolled {20, 23, 3, false}, at(23, 59, 59));
        const QByteArray csv = Log::CsvText(log.entries());

        const Records expected = {
            {u"Time"_s, u"What"_s, u"Result"_s},
            {u"21:07:45"_s, u"Action: Inn, The Boar"_s, u"A fight\r\nbreaks out"_s},
            {u"09:00:05"_s, u"Action: \"Quoted\""_s, u"LF\nalone"_s},
            {u"12:30:00"_s, u"Action: Café Ærø"_s, u"CR\ralone 𝄞"_s},
            {u"23:59:59"_s, u"Step 20 (D20+D8+D6)"_s, u"23, 3 die rolls"_s},
        };
        QCOMPARE(readCsv(csv), std::optional(expected));
        QVERIFY(csv.startsWith("Time,What,Result\r\n"));
        QVERIFY(csv.endsWith("\"23, 3 die rolls\"\r\n"));

        QTemporaryDir folder;
        const QString path = folder.filePath(u"log.csv"_s);
        Log::SaveCsv(path, log.entries());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), csv);
    }

    // The chosen rows in the given order; a tab or line break inside a field becomes a
    // blank, so every row stays one line of three columns.
    void tabSeparatedRows()
    {
        Log::RollLog log;
        log.append(Log::DecisionMade {12, 7}, at(10, 0, 0));
        log.append(Log::FreeDieAdded {4, 5, 9}, at(10, 0, 1));
        log.append(Log::ActionDrawn {u"A\tB"_s, u"one\r\ntwo"_s}, at(10, 0, 2));
        QCOMPARE(Log::TabSeparatedText(log.entries(), {0, 2}),
                 u"10:00:00\tDecision\t1-12: 7\n10:00:02\tAction: A B\tone  two"_s);
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
