// The step description file and the action files, read and written as real files in
// a temporary program folder, and the data files that ship with the program.
#include "ActionFiles.h"
#include "FileAccess.h"
#include "ProgramFolder.h"
#include "RuntimeError.h"
#include "SpecialFiles.h"
#include "StepDescriptions.h"
#include "StepPools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

// Step descriptions that differ from "New <step>".
using Descriptions = QHash<int, QString>;
using Captions = QList<std::pair<int, QString>>;

// A run-time error as "<number> <file name>"; no error as the empty text.
QString errorText(int error, const QString &fileName)
{
    return error ? u"%1 %2"_s.arg(error).arg(fileName) : QString();
}

// The run-time error a call raises, as errorText() gives it.
template<typename Call> QString errorOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return errorText(error.number(), QString::fromStdString(error.file()).section(u'/', -1));
    }
    return {};
}

// Replaces the file with the bytes, or removes it when they are null.
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (bytes.isNull())
        return file.remove();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool onlyCrLf(const QByteArray &bytes)
{
    return bytes.count('\r') + bytes.count('\n') == 2 * bytes.count("\r\n");
}

// Records for steps 1 to 100 in order, each described "<prefix><step>".
QByteArray stepFile(const QByteArray &lineEnd = "\r\n", const QByteArray &prefix = "New ")
{
    QByteArray bytes;
    for (int step = 1; step <= StepCount; ++step)
        bytes += QByteArray::number(step) + lineEnd + prefix + QByteArray::number(step) + lineEnd;
    return bytes;
}

// The same with another number line, and maybe description, in the record of `step`.
QByteArray withRecord(int step, const QByteArray &numberLine, const QByteArray &description = {})
{
    QByteArrayList lines = stepFile().split('\n');
    lines[2 * step - 2] = numberLine + '\r';
    if (!description.isNull())
        lines[2 * step - 1] = description + '\r';
    return lines.join('\n');
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QStringList folderContent() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        SetProgramFolder(m_dir->path());
    }

    void cleanup()
    {
        SetProgramFolder({});
        SetActionCaptionSink({});
    }

    void stepFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("error");
        QTest::addColumn<Descriptions>("unlike");

        const auto row = [](const char *name, const QByteArray &file, int error = 0,
                            const Descriptions &unlike = {}) {
            QTest::newRow(name) << file << error << unlike;
        };
        row("CR LF line ends", stepFile());
        row("CR-only line ends", stepFile("\r"));
        row("last line without its end", stepFile().chopped(2));
        row("lines after the 200th ignored", stepFile() + "Remark: not a record\r\n0\r\n");
        // A misread number line leaves its step empty and gives another step its text.
        row("number: blanks around", withRecord(12, " 12 "));
        row("number: letters after", withRecord(12, "12abc"));
        row("number: blank between digits", withRecord(12, "1 2"));
        row("number: 7.5 rounds to 8", withRecord(8, "7.5"));
        row("step 5 twice, step 6 never", withRecord(6, "5", "Later five"), 0,
            {{5, u"Later five"_s}, {6, {}}});
        row("description: blanks and code page kept", withRecord(42, "42", "  D8 \x80 "), 0,
            {{42, u"  D8 \u20AC "_s}});

        // A failed load keeps the previous table whole, even after 49 good records.
        row("missing file", {}, FileNotFound);
        row("empty file", "", InputPastEndOfFile);
        row("199 lines", stepFile().chopped(9), InputPastEndOfFile); // "New 100\r\n" cut off
        row("number line 0", withRecord(50, "0"), SubscriptOutOfRange);
        row("number line 101", withRecord(50, "101"), SubscriptOutOfRange);
        row("blank number line", withRecord(50, ""), SubscriptOutOfRange);
        row("number too big for 32 bits", withRecord(50, "99999999999"), Overflow);
        row("number 70000: fits 32 bits, out of range", withRecord(50, "70000"),
            SubscriptOutOfRange);
    }

    void stepFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, error);
        QFETCH(Descriptions, unlike);

        QVERIFY(writeFile(path(u"steps.txt"_s), stepFile("\r\n", "Old ")));
        QCOMPARE(errorOf(LoadStepDescriptions), QString());
        QVERIFY(writeFile(path(u"steps.txt"_s), file));
        QCOMPARE(errorOf(LoadStepDescriptions), errorText(error, u"steps.txt"_s));
        const QString described = error ? u"Old %1"_s : u"New %1"_s;
        for (int step = 1; step <= StepCount; ++step)
            QCOMPARE(StepDescriptions[step], unlike.value(step, described.arg(step)));
    }

    void shippedStepsNameTheirPools()
    {
        SetProgramFolder(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        QVERIFY(onlyCrLf(readFile(ProgramFilePath(u"steps.txt"_s))));
        QCOMPARE(errorOf(LoadStepDescriptions), QString());
        for (int step = 1; step <= StepCount; ++step)
            QCOMPARE(StepDescriptions[step], QString::fromLatin1(PoolNotation(step)).toUpper());
    }

    void shippedActionFiles_data()
    {
        QTest::addColumn<qint16>("index");
        for (qint16 index = 0; index < ActionButtonCount; ++index)
            QTest::addRow("Action%d.txt", index + 1) << index;
    }

    void shippedActionFiles()
    {
        QFETCH(qint16, index);
        SetProgramFolder(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        QVERIFY(onlyCrLf(readFile(ActionFilePath(index))));
        QCOMPARE(errorOf([&] { LoadActionFile(index); }), QString());
        const int count = ActionEntryCounts[index].toInt();
        QVERIFY2(count >= 10 && count <= 40, qPrintable(ActionEntryCounts[index]));
        for (int line = 0; line <= count; ++line)
            QVERIFY2(!ActionEntries[index][line].trimmed().isEmpty(), "a blank line");
    }

    void actionFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("error");
        QTest::addColumn<QStringList>("lines"); // the caption, then the entries

        const auto row = [](const char *name, const QByteArray &file, const QStringList &lines,
                            int error = 0) { QTest::newRow(name) << file << error << lines; };
        row("caption and two entries", "Market\r\nTavern\r\nTemple\r\n",
            {u"Market"_s, u"Tavern"_s, u"Temple"_s});
        row("caption only: count lowered to 0", "X\r\n", {u"X"_s});
        row("empty last entry", "X\r\nA\r\n\r\n", {u"X"_s, u"A"_s, QString()});
        row("last line without its end", "X\r\nA\r\nlast one", {u"X"_s, u"A"_s, u"last one"_s});
        row("LF-only file is one caption", "X\nA\nB\n", {u"X\nA\nB\n"_s});
        row("blanks kept", "  X \r\n A \r\n\t", {u"  X "_s, u" A "_s, u"\t"_s});
        QStringList many = {u"Many"_s};
        for (int entry = 1; entry <= 301; ++entry)
            many << u"entry %1"_s.arg(entry);
        row("301 entries, 300 read", (many.join(u"\r\n"_s) + u"\r\n"_s).toLatin1(),
            many.first(301));

        // A failed load keeps the table and the caption as the last good load left them.
        const QStringList old = {u"Old"_s, u"one"_s, u"two"_s};
        row("missing file", {}, old, FileNotFound);
        row("empty file", "", old, InputPastEndOfFile);
    }

    void actionFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, error);
        QFETCH(QStringList, lines);

        QVERIFY(writeFile(path(u"Action3.txt"_s), "Old\r\none\r\ntwo\r\n"));
        QCOMPARE(errorOf([] { LoadActionFile(2); }), QString());
        Captions captions;
        SetActionCaptionSink([&](int index, const QString &text) {
            captions.append({index, text});
        });

        QVERIFY(writeFile(path(u"Action3.txt"_s), file));
        QCOMPARE(errorOf([] { LoadActionFile(2); }), errorText(error, u"Action3.txt"_s));
        QCOMPARE(ActionEntryCounts[2], QString::number(lines.size() - 1));
        for (int line = 0; line < lines.size(); ++line)
            QCOMPARE(ActionEntries[2][line], lines[line]);
        QCOMPARE(captions, (error ? Captions() : Captions {{2, lines[0]}}));
    }

    // Anything but a regular file of at most 16 MiB is refused before it is read, with
    // a message that names the file and says what is wrong; the tables stay as they were.
    void refusedDataFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<FileKind>("kind");
        for (const QString &name : {u"steps.txt"_s, u"Action3.txt"_s}) {
            const QByteArray file = name.toLatin1();
            QTest::addRow("%s: named pipe", file.data()) << name << FileKind::NamedPipe;
            QTest::addRow("%s: link to /dev/zero", file.data()) << name << FileKind::LinkToZero;
            QTest::addRow("%s: folder", file.data()) << name << FileKind::Folder;
            QTest::addRow("%s: one byte over 16 MiB", file.data())
                << name << FileKind::OverTheLimit;
        }
    }

    void refusedDataFiles()
    {
        QFETCH(QString, name);
        QFETCH(FileKind, kind);
        const bool steps = name == u"steps.txt"_s;
        const std::function<void()> load = steps ? LoadStepDescriptions : [] { LoadActionFile(2); };
        QVERIFY(writeFile(path(name), steps ? stepFile() : "Old\r\none\r\n"));
        load();

        QVERIFY(PlaceSpecialFile(path(name), kind));
        QString message;
        try {
            load();
        } catch (const RuntimeError &error) {
            message = QString::fromStdString(error.what());
        }
        QCOMPARE(message,
                 u"Run-time error 75: Path/File access error\nFile: %1\n%2"_s.arg(path(name),
                                                                                  RefusalOf(kind)));
        QCOMPARE(StepDescriptions[100], steps ? u"New 100"_s : StepDescriptions[100]);
        QCOMPARE(ActionEntries[2][1], steps ? ActionEntries[2][1] : u"one"_s);
    }

    // The limit itself is fine, both ways; a byte more is never written.
    void dataFilesAtTheLimit()
    {
        QVERIFY(PlaceSpecialFile(path(u"steps.txt"_s), FileKind::AtTheLimit, stepFile()));
        QCOMPARE(errorOf(LoadStepDescriptions), QString());
        QCOMPARE(StepDescriptions[100], u"New 100"_s);

        const QString entry(MaxDataFileBytes - 10, u'x'); // "Tavern", CR LF, entry, CR LF
        QCOMPARE(errorOf([&] { SaveActionFile(2, u"Tavern\r\n"_s + entry + u'x'); }),
                 errorText(PathFileAccessError, u"Action3.txt"_s));
        QCOMPARE(folderContent(), QStringList {u"steps.txt"_s});
        QCOMPARE(errorOf([&] { SaveActionFile(2, u"Tavern\r\n"_s + entry); }), QString());
        QCOMPARE(QFileInfo(path(u"Action3.txt"_s)).size(), MaxDataFileBytes);
        QCOMPARE(errorOf([] { LoadActionFile(2); }), QString());
        QCOMPARE(ActionEntries[2][1], entry);
    }

    // An overflowing number line says which record holds it.
    void stepNumberTooLargeNamesItsRecord()
    {
        QVERIFY(writeFile(path(u"steps.txt"_s), withRecord(5, "99999999999")));
        try {
            LoadStepDescriptions();
            QFAIL("the load succeeded");
        } catch (const RuntimeError &error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     u"Run-time error 6: Overflow\nFile: %1\nRecord 5 names a step number too "
                     "large; steps run from 1 to 100."_s.arg(path(u"steps.txt"_s)));
        }
    }

    void buttonIndexOutOfRange()
    {
        for (const qint16 index : {qint16(-1), qint16(20)}) {
            QVERIFY(errorOf([&] { LoadActionFile(index); }).startsWith(u"9 "_s));
            QVERIFY(errorOf([&] { SaveActionFile(index, u"X"_s); }).startsWith(u"9 "_s));
        }
        QCOMPARE(folderContent(), QStringList());
    }

    // Every byte but CR and LF, which end the lines instead: load, save caption and
    // entries but the last joined with CR LF, and exactly those bytes come back, the
    // longer old file replaced whole. The tables and the caption wait for the reload.
    void saveRoundTripsEveryByte()
    {
        QByteArray kept;
        for (int byte = 0; byte < 256; ++byte)
            kept += byte == '\r' || byte == '\n' ? QByteArray("\r\n") : QByteArray(1, char(byte));
        kept += "\r\n";
        QVERIFY(writeFile(path(u"Action5.txt"_s), kept + "dropped\r\n"));
        QCOMPARE(errorOf([] { LoadActionFile(4); }), QString());
        int captionsSet = 0;
        SetActionCaptionSink([&](int, const QString &) { ++captionsSet; });

        const QStringList text(ActionEntries[4].begin(), ActionEntries[4].begin() + 3);
        QCOMPARE(errorOf([&] { SaveActionFile(4, text.join(u"\r\n"_s)); }), QString());
        QCOMPARE(readFile(path(u"Action5.txt"_s)), kept);
        QCOMPARE(folderContent(), QStringList {u"Action5.txt"_s});
        QCOMPARE(ActionEntryCounts[4], u"3"_s);
        QCOMPARE(captionsSet, 0);

        QCOMPARE(errorOf([] { LoadActionFile(4); }), QString());
        QCOMPARE(ActionEntryCounts[4], u"2"_s);
        QCOMPARE(captionsSet, 1);
    }

    void saveFailures_data()
    {
        QTest::addColumn<bool>("folderInPlace");
        QTest::addColumn<QString>("programFolder"); // under the temporary folder
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");

        QTest::newRow("folder standing where the file goes")
            << true << QString() << u"X\r\nA"_s << int(PathFileAccessError);
        QTest::newRow("program folder missing")
            << false << u"gone"_s << u"X\r\nA"_s << int(PathFileAccessError);
        QTest::newRow("unencodable character refused")
            << false << QString() << u"Weather\r\nSnow \u2603"_s << int(InvalidArgument);
    }

    // A failed save leaves whatever stood at the file's place as it was, and no
    // temporary file behind.
    void saveFailures()
    {
        QFETCH(bool, folderInPlace);
        QFETCH(QString, programFolder);
        QFETCH(QString, text);
        QFETCH(int, error);

        const QString file = path(u"Action1.txt"_s);
        const QString kept = folderInPlace ? file + u"/inside.txt"_s : file;
        QVERIFY(!folderInPlace || QDir().mkdir(file));
        QVERIFY(writeFile(kept, "Old\r\n"));
        SetProgramFolder(path(programFolder));
        QCOMPARE(errorOf([&] { SaveActionFile(0, text); }), errorText(error, u"Action1.txt"_s));
        QCOMPARE(readFile(kept), QByteArray("Old\r\n"));
        QCOMPARE(folderContent(), QStringList {u"Action1.txt"_s});
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
