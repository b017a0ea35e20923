// The roll log without a window: its summary as entries come and go, the CSV export read
// back by a strict reader, and the tab-separated copy.
#include "LogExport.h"
#include "LogText.h"
#include "RollLog.h"

#include <QDateTime>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

using Records = QList<QStringList>;

// A summer day in the test's time zone, Central European Time.
std::int64_t at(int hour, int minute, int second, QDate day = QDate(2024, 6, 1))
{
    return QDateTime(day, QTime(hour, minute, second)).toSecsSinceEpoch();
}

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

// Reads RFC 4180 records, refusing what a writer that forgot to quote would produce: a
// quote inside a bare field, or a CR or LF outside quotes that does not end a record.
// The text must begin with a UTF-8 byte-order mark.
std::optional<Records> readCsv(const QByteArray &bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return std::nullopt;
    const QString text = QString::fromUtf8(bytes.sliced(ByteOrderMark.size()));
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
    void initTestCase()
    {
        // Central European Time with its summer time, written out so no zone data is needed.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    }

    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
    // exactly after a byte-order mark and the header; every record ends with CR LF. The
    // time is the date and local time with its offset from UTC. The saved file holds the
    // same bytes.
    void csvRoundTrip()
    {
        Log::RollLog log;
        log.append(Log::ActionDrawn {u"Inn, The Boar"_s, u"A fight\r\nbreaks out"_s},
                   at(21, 7, 45));
        log.append(Log::ActionDrawn {u"\"Quoted\""_s, u"LF\nalone"_s}, at(9, 0, 5));
        log.append(Log::ActionDrawn {u"Café Ærø"_s, u"CR\ralone 𝄞 café €"_s}, at(12, 30, 0));
        log.append(Log::StepRolled {20, 23, 3, false}, at(23, 59, 59, QDate(2024, 12, 7)));
        const QByteArray csv = Log::CsvText(log.entries());

        const Records expected = {
            {u"Time"_s, u"What"_s, u"Result"_s},
            {u"2024-06-01T21:07:45+02:00"_s, u"Action: Inn, The Boar"_s,
             u"A fight\r\nbreaks out"_s},
            {u"2024-06-01T09:00:05+02:00"_s, u"Action: \"Quoted\""_s, u"LF\nalone"_s},
            {u"2024-06-01T12:30:00+02:00"_s, u"Action: Café Ærø"_s, u"CR\ralone 𝄞 café €"_s},
            {u"2024-12-07T23:59:59+01:00"_s, u"Step 20 (D20+D8+D6)"_s, u"23, 3 die rolls"_s},
        };
        QCOMPARE(readCsv(csv), std::optional(expected));
        QVERIFY(csv.startsWith(ByteOrderMark + "Time,What,Result\r\n"));
        QVERIFY(csv.endsWith("\"23, 3 die rolls\"\r\n"));

        QTemporaryDir folder;
        const QString path = folder.filePath(u"log.csv"_s);
        Log::SaveCsv(path, log.entries());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), csv);
    }

    // A field that a spreadsheet would take for a formula (it begins with =, +, -, @, a
    // tab or CR) is exported with a leading apostrophe, inside quotes; others as they are.
    void csvCarriesNoFormulas()
    {
        const QStringList entries = {
            u"=HYPERLINK(\"http://example.com\",\"Click\")"_s,
            u"=cmd|' /C calc'!A0"_s,
            u"@SUM(1,2)"_s,
            u"-2+3"_s,
            u"\tTabbed"_s,
            u"\rCR first"_s,
            u"A = B, not a formula"_s,
        };
        Log::RollLog log;
        for (const QString &entry : entries)
            log.append(Log::ActionDrawn {u"Traps"_s, entry}, at(10, 0, 0));
        log.append(Log::FreeDieAdded {4, 3, 3}, at(10, 0, 1));
        log.append(Log::StepRolled {1, -1, 1, true}, at(10, 0, 2));
        const QByteArray csv = Log::CsvText(log.entries());

        const std::optional<Records> records = readCsv(csv);
        QVERIFY(records);
        QStringList results;
        for (const QStringList &record : records->sliced(1, entries.size()))
            results << record[2];
        QCOMPARE(results,
                 (QStringList {
                     u"'=HYPERLINK(\"http://example.com\",\"Click\")"_s,
                     u"'=cmd|' /C calc'!A0"_s,
                     u"'@SUM(1,2)"_s,
                     u"'-2+3"_s,
                     u"'\tTabbed"_s,
                     u"'\rCR first"_s,
                     u"A = B, not a formula"_s,
                 }));
        QCOMPARE(records->at(entries.size() + 1).sliced(1),
                 (QStringList {u"'+D4"_s, u"3, sum 3"_s}));
        QCOMPARE(records->last().sliced(1),
                 (QStringList {u"Step 1 (D4-2)"_s, u"'-1, 1 die roll, fumble"_s}));
        for (const char *quoted : {",\"'@SUM(1,2)\"\r\n", ",\"'-2+3\"\r\n", ",\"'+D4\","})
            QVERIFY2(csv.contains(quoted), quoted);
    }

    // The texts follow the user's locale in every figure; the CSV keeps the plain,
    // machine-readable figures whatever the locale.
    void figuresFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Log::RollLog log;
        log.append(Log::StepRolled {20, 23, 3, false}, at(10, 0, 0));
        log.append(Log::StepRolled {5, 2, 1, false}, at(10, 0, 1));
        log.append(Log::FreeDieAdded {4, 3, 32770}, at(10, 0, 2));
        log.append(Log::StatisticsReported {100000}, at(10, 0, 3));
        log.append(Log::DistributionReported {3, 2.5}, at(10, 0, 4));
        for (int decision = 0; decision < 1000; ++decision)
            log.append(Log::DecisionMade {12, 7});
        QCOMPARE(Log::SummaryText(log.summary()),
                 u"Rolls: 1.005   Step rolls: 2   Fumbles: 0   Mean step total: 12,5"_s);
        QStringList results;
        for (std::size_t row = 2; row < 5; ++row)
            results << Log::ResultText(log.entries()[row].roll);
        QCOMPARE(results,
                 (QStringList {u"3, sum 32.770"_s, u"100.000 samples"_s, u"2,5 samples"_s}));

        const std::optional<Records> records = readCsv(Log::CsvText(log.entries()));
        QVERIFY(records);
        QCOMPARE(records->at(3)[2], u"3, sum 32770"_s);
        QCOMPARE(records->at(4)[2], u"100000 samples"_s);
        QCOMPARE(records->at(5)[2], u"2.5 samples"_s);
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
