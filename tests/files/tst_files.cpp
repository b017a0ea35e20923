// The step description file and the action files, read and written as real files in
// a temporary program folder, and the data files that ship with the program.
#include "ActionFiles.h"
#include "ProgramFolder.h"
#include "RuntimeError.h"
#include "StepDescriptions.h"
#include "StepPools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

// Step descriptions that differ from "Pool <step>".
using Descriptions = QHash<int, QString>;

// What stands where a data file should be.
enum Placement { Absent, Folder, Written };

template<typename Call> std::optional<RuntimeError> errorOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error;
    }
    return std::nullopt;
}

int numberOf(const std::optional<RuntimeError> &error)
{
    return error ? int(error->number()) : 0;
}

bool names(const std::optional<RuntimeError> &error, const QString &fileName)
{
    return error && QString::fromStdString(error->file()).endsWith(u'/' + fileName);
}

// The message of whatever a call raises; empty when it succeeds.
template<typename Call> QString failureOf(Call call)
{
    try {
        call();
    } catch (const std::exception &error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

// Fails the test with the error's message when the call raises one.
#define VERIFY_RUNS(call) QCOMPARE(failureOf([&] { call; }), QString())

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder in place of a file holds a file of its own, to show it survives.
bool place(const QString &path, int placement, const QByteArray &bytes = {})
{
    QFile::remove(path);
    if (placement == Folder)
        return QDir().mkdir(path) && writeFile(path + u"/inside.txt"_s, "kept");
    return placement == Absent ? !QFileInfo::exists(path) : writeFile(path, bytes);
}

bool stillPlaced(const QString &path, int placement, const QByteArray &bytes)
{
    if (placement == Folder)
        return QFileInfo(path).isDir() && readFile(path + u"/inside.txt"_s) == "kept";
    return readFile(path) == bytes;
}

bool onlyCrLf(const QByteArray &bytes)
{
    const auto pairs = bytes.count("\r\n");
    return bytes.count('\r') == pairs && bytes.count('\n') == pairs;
}

QList<int> steps(int from, int to)
{
    QList<int> list;
    for (int step = from; step <= to; ++step)
        list << step;
    return list;
}

// One record per step, described "<prefix><step>".
QByteArray stepFile(const QList<int> &order, const QByteArray &prefix = "Pool ",
                    const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const int step : order)
        bytes += QByteArray::number(step) + lineEnd + prefix + QByteArray::number(step) + lineEnd;
    return bytes;
}

// Records for steps 1 to 100, the one of `step` made of the given two lines.
QByteArray stepFileWith(int step, const QByteArray &numberLine, const QByteArray &description,
                        const QByteArray &prefix = "Pool ")
{
    return stepFile(steps(1, step - 1), prefix) + numberLine + "\r\n" + description + "\r\n"
        + stepFile(steps(step + 1, 100), prefix);
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QStringList folderContent() const
    {
        const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        return QDir(m_dir->path()).entryList(filter);
    }

    void verifyPoolTable(const Descriptions &unlike = {})
    {
        for (int step = 1; step <= StepCount; ++step)
            QCOMPARE(StepDescriptions[step], unlike.value(step, u"Pool %1"_s.arg(step)));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        SetProgramFolder(m_dir->path());
        StepDescriptions.fill({}); // as at start-up
    }

    void cleanup()
    {
        SetProgramFolder({});
        SetActionCaptionSink({});
        m_dir.reset();
    }

    void stepFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Descriptions>("unlike");

        const QByteArray ascending = stepFile(steps(1, 100));
        QList<int> order = steps(1, 100);
        std::reverse(order.begin(), order.end());
        QTest::newRow("ascending") << ascending << Descriptions();
        QTest::newRow("descending") << stepFile(order) << Descriptions();
        for (int i = 0; i < 100; ++i)
            order[i] = i * 37 % 100 + 1;
        QTest::newRow("scattered") << stepFile(order) << Descriptions();
        QTest::newRow("CR-only line ends")
            << stepFile(steps(1, 100), "Pool ", "\r") << Descriptions();
        QTest::newRow("last line without its end") << ascending.chopped(2) << Descriptions();
        QTest::newRow("lines after the 200th ignored") << ascending
                + "Remark: not a record\r\n0\r\n\r\n" << Descriptions();

        // A misread number line leaves its step empty and gives another step its text.
        const auto numberLine = [](const char *name, int step, const QByteArray &line) {
            QTest::newRow(name) << stepFileWith(step, line, "Pool " + QByteArray::number(step))
                                << Descriptions();
        };
        numberLine("number: blanks around", 12, " 12 ");
        numberLine("number: letters after", 12, "12abc");
        numberLine("number: blank between digits", 12, "1 2");
        numberLine("number: tab and plus sign", 12, "\t+12");
        numberLine("number: lone LF between digits", 12, "1\n2");
        numberLine("number: 7.5 rounds to even 8", 8, "7.5");
        numberLine("number: 8.5 rounds to even 8", 8, "8.5");
        numberLine("number: 100.5 rounds to even 100", 100, "100.5");
        numberLine("number: 0.6 rounds to 1", 1, "0.6");
        numberLine("number: exponent not read", 3, "3e1");
        numberLine("number: comma is no separator", 4, "4,9");
        numberLine("number: leading zeros", 42, "0042");

        QTest::newRow("step 5 twice, step 6 never")
            << stepFileWith(6, "5", "Later five") << Descriptions {{5, u"Later five"_s}, {6, {}}};

        const auto description = [](const char *name, const QByteArray &line, const QString &text) {
            QTest::newRow(name) << stepFileWith(42, "42", line) << Descriptions {{42, text}};
        };
        description("description: blanks around kept", "  D8+D6  ", u"  D8+D6  "_s);
        description("description: empty", "", QString());
        description("description: tab kept", "D4\t(low)", u"D4\t(low)"_s);
        description("description: lone LF kept", "first\nsecond", u"first\nsecond"_s);
        description("description: byte 0x80 is the euro sign", "\x80 5", u"\u20AC 5"_s);
        description("description: Latin-1 bytes",
                    "\xE9p\xE9"
                    "e",
                    u"\u00E9p\u00E9e"_s);
    }

    void stepFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(Descriptions, unlike);
        QVERIFY(writeFile(path(u"steps.txt"_s), file));
        VERIFY_RUNS(LoadStepDescriptions());
        verifyPoolTable(unlike);
    }

    void shippedStepsNameTheirPools()
    {
        SetProgramFolder(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        const QByteArray bytes = readFile(ProgramFilePath(u"steps.txt"_s));
        QVERIFY2(!bytes.isEmpty(), "data/steps.txt is missing");
        QVERIFY(onlyCrLf(bytes));
        VERIFY_RUNS(LoadStepDescriptions());
        for (int step = 1; step <= StepCount; ++step) {
            const std::string_view pool = PoolNotation(step);
            const QString notation = QString::fromLatin1(pool.data(), qsizetype(pool.size()));
            QCOMPARE(StepDescriptions[step], notation.toUpper());
        }
    }

    void shippedActionFiles_data()
    {
        QTest::addColumn<int>("row");
        for (int index = 0; index < ActionButtonCount; ++index)
            QTest::addRow("Action%d.txt", index + 1) << index;
    }

    void shippedActionFiles()
    {
        QFETCH(int, row);
        const auto index = static_cast<std::int16_t>(row);
        SetProgramFolder(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        const QByteArray bytes = readFile(ActionFilePath(index));
        QVERIFY2(!bytes.isEmpty(), "the action file is missing");
        QVERIFY(onlyCrLf(bytes));
        VERIFY_RUNS(LoadActionFile(index));
        QVERIFY(!ActionEntries[index][0].trimmed().isEmpty());
        const int count = ActionEntryCounts[index].toInt();
        QVERIFY2(count >= 10 && count <= 40, qPrintable(ActionEntryCounts[index]));
        for (int entry = 1; entry <= count; ++entry)
            QVERIFY2(!ActionEntries[index][entry].trimmed().isEmpty(), "a blank entry");
    }

    void actionFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("caption and two entries")
            << QByteArray("Market\r\nTavern\r\nTemple\r\n") << u"Market"_s
            << QStringList {u"Tavern"_s, u"Temple"_s};
        QTest::newRow("caption with line end") << QByteArray("X\r\n") << u"X"_s << QStringList();
        QTest::newRow("caption without line end") << QByteArray("X") << u"X"_s << QStringList();
        QTest::newRow("empty last entry")
            << QByteArray("X\r\nA\r\n\r\n") << u"X"_s << QStringList {u"A"_s, QString()};
        QTest::newRow("last line without its end")
            << QByteArray("X\r\nA\r\nlast one") << u"X"_s << QStringList {u"A"_s, u"last one"_s};
        QTest::newRow("CR-only line ends")
            << QByteArray("X\rA\rB\r") << u"X"_s << QStringList {u"A"_s, u"B"_s};
        QTest::newRow("LF-only file is one caption")
            << QByteArray("X\nA\nB\n") << u"X\nA\nB\n"_s << QStringList();
        QTest::newRow("blanks kept")
            << QByteArray("  X \r\n A \r\n\t") << u"  X "_s << QStringList {u" A "_s, u"\t"_s};
        QTest::newRow("empty caption")
            << QByteArray("\r\nA\r\n") << QString() << QStringList {u"A"_s};
        QTest::newRow("byte 0x80 is the euro sign")
            << QByteArray("Price\r\n5 \x80\r\n") << u"Price"_s << QStringList {u"5 \u20AC"_s};

        // At most 300 entries are read; the lines after them are ignored.
        const auto many = [](const char *name, int lines, int count) {
            QByteArray file = "Many\r\n";
            QStringList entries;
            for (int line = 1; line <= lines; ++line) {
                file += "entry " + QByteArray::number(line) + "\r\n";
                if (line <= count)
                    entries << u"entry %1"_s.arg(line);
            }
            QTest::newRow(name) << file << u"Many"_s << entries;
        };
        many("299 entries", 299, 299);
        many("300 entries", 300, 300);
        many("301 entries", 301, 300);
        many("1000 entries", 1000, 300);
    }

    void actionFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, caption);
        QFETCH(QStringList, entries);

        QList<std::pair<int, QString>> captions;
        SetActionCaptionSink([&](int index, const QString &text) {
            captions.append({index, text});
        });
        QVERIFY(writeFile(path(u"Action3.txt"_s), file));
        VERIFY_RUNS(LoadActionFile(2));
        QCOMPARE(ActionEntries[2][0], caption);
        QCOMPARE(ActionEntryCounts[2], QString::number(entries.size()));
        for (int entry = 1; entry <= entries.size(); ++entry)
            QCOMPARE(ActionEntries[2][entry], entries[entry - 1]);
        QCOMPARE(captions, (QList<std::pair<int, QString>> {{2, caption}}));
    }

    void loadFailures_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("error");

        const auto row = [](const char *name, const char *fileName, int placement,
                            const QByteArray &file, int error) {
            QTest::newRow(name) << QString::fromLatin1(fileName) << placement << file << error;
        };
        // The bad record comes after 49 good ones, which must not reach the table.
        const auto record50 = [&](const char *name, const QByteArray &numberLine, int error) {
            row(name, "steps.txt", Written, stepFileWith(50, numberLine, "New 50", "New "), error);
        };
        row("steps: missing file", "steps.txt", Absent, {}, 53);
        row("steps: folder in place of the file", "steps.txt", Folder, {}, 53);
        row("steps: empty file", "steps.txt", Written, "", 62);
        const QByteArray lines199 = stepFile(steps(1, 100), "New ").chopped(9);
        row("steps: 199 lines", "steps.txt", Written, lines199, 62);
        record50("steps: number line 0", "0", 9);
        record50("steps: number line 101", "101", 9);
        record50("steps: 100.6 rounds to 101", "100.6", 9);
        record50("steps: number line -1", "-1", 9);
        record50("steps: blank number line", "", 9);
        record50("steps: words for a number", "Step fifty", 9);
        record50("steps: too big for 32 bits", "99999999999", 6);
        record50("steps: 400 digits", QByteArray(400, '9'), 6);
        row("action: missing file", "Action8.txt", Absent, {}, 53);
        row("action: folder in place of the file", "Action8.txt", Folder, {}, 53);
        row("action: empty file", "Action8.txt", Written, "", 62);
    }

    // A failed load leaves every table and button caption as the last good load left it.
    void loadFailures()
    {
        QFETCH(QString, fileName);
        QFETCH(int, placement);
        QFETCH(QByteArray, file);
        QFETCH(int, error);

        QVERIFY(writeFile(path(u"steps.txt"_s), stepFile(steps(1, 100))));
        QVERIFY(writeFile(path(u"Action8.txt"_s), "Good\r\none\r\ntwo\r\n"));
        VERIFY_RUNS(LoadStepDescriptions());
        VERIFY_RUNS(LoadActionFile(7));
        int captionsSet = 0;
        SetActionCaptionSink([&](int, const QString &) { ++captionsSet; });

        QVERIFY(place(path(fileName), placement, file));
        const auto raised = fileName == u"steps.txt"_s ? errorOf(LoadStepDescriptions)
                                                       : errorOf([] { LoadActionFile(7); });
        QCOMPARE(numberOf(raised), error);
        QVERIFY2(names(raised, fileName), raised->what());
        verifyPoolTable();
        QCOMPARE(ActionEntries[7][0], u"Good"_s);
        QCOMPARE(ActionEntryCounts[7], u"2"_s);
        QCOMPARE(ActionEntries[7][2], u"two"_s);
        QCOMPARE(captionsSet, 0);
    }

    void buttonIndexOutOfRange()
    {
        for (const std::int16_t index : {std::int16_t {-1}, std::int16_t {20}}) {
            QCOMPARE(numberOf(errorOf([&] { LoadActionFile(index); })), 9);
            QCOMPARE(numberOf(errorOf([&] { SaveActionFile(index, u"X"_s); })), 9);
        }
        QCOMPARE(folderContent(), QStringList());
    }

    // The file becomes the text plus CR LF, the old one replaced whole; the tables
    // and the caption wait for the reload.
    void saveWritesTextAndLineEnd()
    {
        QVERIFY(writeFile(path(u"Action5.txt"_s), "Longer old caption\r\none\r\ntwo\r\nthree\r\n"));
        VERIFY_RUNS(LoadActionFile(4));
        int captionsSet = 0;
        SetActionCaptionSink([&](int, const QString &) { ++captionsSet; });

        VERIFY_RUNS(SaveActionFile(4, u"X\r\nA\r\nB"_s));
        QCOMPARE(readFile(path(u"Action5.txt"_s)), QByteArray("X\r\nA\r\nB\r\n"));
        QCOMPARE(folderContent(), QStringList {u"Action5.txt"_s});
        QCOMPARE(ActionEntryCounts[4], u"3"_s);
        QCOMPARE(captionsSet, 0);

        VERIFY_RUNS(LoadActionFile(4));
        QCOMPARE(ActionEntries[4][0], u"X"_s);
        QCOMPARE(ActionEntryCounts[4], u"2"_s);
        QCOMPARE(ActionEntries[4][2], u"B"_s);
    }

    // Load, join caption and entries with CR LF, save: the very same bytes come back,
    // so neither the code page nor the line ends lose anything.
    void saveRoundTripsEveryByte()
    {
        QByteArray characters;
        for (int byte = 1; byte < 256; ++byte) {
            if (byte != '\r' && byte != '\n')
                characters += char(byte);
        }
        QByteArrayList lines;
        for (qsizetype start = 0; start < characters.size(); start += 16)
            lines << characters.mid(start, 16);
        const QByteArray original = lines.join("\r\n") + "\r\n";
        QVERIFY(writeFile(path(u"Action1.txt"_s), original));
        VERIFY_RUNS(LoadActionFile(0));
        QCOMPARE(ActionEntryCounts[0], QString::number(lines.size() - 1));

        QString text = ActionEntries[0][0];
        for (int entry = 1; entry < lines.size(); ++entry)
            text += u"\r\n"_s + ActionEntries[0][entry];
        VERIFY_RUNS(SaveActionFile(0, text));
        QCOMPARE(readFile(path(u"Action1.txt"_s)), original);
    }

    void saveFailures_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<bool>("folderMissing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("detail");

        QTest::newRow("folder standing where the file goes")
            << int(Folder) << false << u"X\r\nA"_s << 75 << QString();
        QTest::newRow("program folder missing")
            << int(Written) << true << u"X\r\nA"_s << 75 << QString();
        QTest::newRow("snowman refused")
            << int(Written) << false << u"Weather\r\nSnow \u2603 today"_s << 5 << u"U+2603"_s;
        QTest::newRow("emoji refused")
            << int(Written) << false << u"Faces\r\n\U0001F600"_s << 5 << u"U+1F600"_s;
    }

    // A failed save leaves whatever stood at the file's place as it was, and no
    // temporary file behind.
    void saveFailures()
    {
        QFETCH(int, placement);
        QFETCH(bool, folderMissing);
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(QString, detail);

        const QByteArray old = "Old\r\nentry\r\n";
        QVERIFY(place(path(u"Action1.txt"_s), placement, old));
        if (folderMissing)
            SetProgramFolder(path(u"gone"_s));
        const auto raised = errorOf([&] { SaveActionFile(0, text); });
        QCOMPARE(numberOf(raised), error);
        QVERIFY2(names(raised, u"Action1.txt"_s), raised->what());
        QVERIFY2(QString::fromStdString(raised->detail()).contains(detail), raised->what());
        QVERIFY(stillPlaced(path(u"Action1.txt"_s), placement, old));
        QCOMPARE(folderContent(), QStringList {u"Action1.txt"_s});
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
