// The step description file and the action files, read and written as real files in
// a temporary program folder; and where the data files are looked up and saved, in a
// temporary install with its own user and system data folders.
#include "ActionFiles.h"
#include "DataFileKinds.h"
#include "DataFolders.h"
#include "FailureReason.h"
#include "FileAccess.h"
#include "ProgramFolder.h"
#include "RuntimeErrors.h"
#include "StepDescriptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

using Descriptions = QHash<int, QString>; // those that differ from "New <step>"
using Captions = QList<std::pair<int, QString>>;

// A run-time error as "<number> <file name>: <detail>", the detail left out when there
// is none; no error as the empty text.
template<typename Call> QString errorOf(Call call)
{
    const auto error = ErrorOf(call);
    if (!error)
        return {};
    const QString detail = QString::fromStdString(error->detail());
    return u"%1 %2"_s.arg(error->number())
               .arg(QString::fromStdString(error->file()).section(u'/', -1))
        + (detail.isEmpty() ? QString() : u": "_s + detail);
}

// StepsFile() with another number line, and maybe description, in the record of step.
QByteArray withRecord(int step, const QByteArray &numberLine, const QByteArray &description = {})
{
    const QByteArray n = QByteArray::number(step);
    return StepsFile().replace("\n" + n + "\r\nNew " + n + "\r\n",
                               "\n" + numberLine + "\r\n"
                                   + (description.isNull() ? "New " + n : description) + "\r\n");
}

// Makes a folder read-only for this process while it lives: a read-only bind mount for
// root, whom permissions do not stop, and its mode for anyone else.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
        : m_path(QFile::encodeName(folder))
    {
        if (geteuid() != 0) {
            m_held = chmod(m_path.constData(), 0555) == 0;
            return;
        }
        m_mounted = mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
        m_held = m_mounted
            && mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                     nullptr)
                == 0;
    }

    ~ReadOnlyFolder()
    {
        if (m_mounted)
            umount2(m_path.constData(), MNT_DETACH);
        else
            chmod(m_path.constData(), 0755);
    }

    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool held() const { return m_held; }

private:
    QByteArray m_path;
    bool m_mounted = false;
    bool m_held = false;
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

    // An install in a temporary folder, with its user's and its system's data folders;
    // its bin folder is the program folder.
    std::optional<QTemporaryDir> m_root;

    // The folders by short name: the program folder "bin", the install's own data folder
    // "share", the user's data folder "home" and the system data folders "sys1", "sys2".
    QString folderOf(const QString &place) const
    {
        static const QHash<QString, QString> folders = {{u"bin"_s, u"prefix/bin"_s},
                                                        {u"share"_s, u"prefix/share/tessarion"_s},
                                                        {u"home"_s, u"home/Tessarion/tessarion"_s},
                                                        {u"sys1"_s, u"sys1/tessarion"_s},
                                                        {u"sys2"_s, u"sys2/tessarion"_s}};
        return m_root->filePath(folders.value(place));
    }

    QString fileAt(const QString &place, const QString &name) const
    {
        return folderOf(place) + u'/' + name;
    }

    bool putAt(const QString &place, const QString &name, const QByteArray &bytes) const
    {
        return QDir().mkpath(folderOf(place)) && WriteFile(fileAt(place, name), bytes);
    }

    QString path(const QString &name) const { return fileAt(u"bin"_s, name); }

    bool put(const QString &name, const QVariant &content) const
    {
        return PutFile(path(name), content);
    }

    QStringList folderContent() const
    {
        return QDir(folderOf(u"bin"_s))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Every entry of the folder as "name kind", links not followed.
    QStringList folderKinds() const
    {
        QStringList kinds;
        for (const QString &name : folderContent()) {
            const QFileInfo entry(path(name));
            kinds << name
                    + (entry.isSymLink()    ? u" link"_s
                           : entry.isDir()  ? u" folder"_s
                           : entry.isFile() ? u" file"_s
                                            : u" special"_s);
        }
        return kinds;
    }

private slots:
    void initTestCase()
    {
        // The names place the user's data folder, as the program's own main() sets them.
        QCoreApplication::setOrganizationName(u"Tessarion"_s);
        QCoreApplication::setApplicationName(u"tessarion"_s);
    }

    void init()
    {
        m_root.emplace();
        QVERIFY(QDir().mkpath(folderOf(u"bin"_s)));
        SetProgramFolder(folderOf(u"bin"_s));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root->filePath(u"home"_s)));
        qputenv(
            "XDG_DATA_DIRS",
            QFile::encodeName(m_root->filePath(u"sys1"_s) + u':' + m_root->filePath(u"sys2"_s)));
    }

    void cleanup()
    {
        SetProgramFolder({});
        SetActionCaptionSink({});
    }

    void stepFiles_data()
    {
        QTest::addColumn<QVariant>("file"); // bytes, a FileKind, or null: no file
        QTest::addColumn<Descriptions>("unlike");
        QTest::addColumn<QString>("error");

        // A misread number line leaves its step empty and gives another step its text.
        QTest::newRow("number 8.5 rounds to even: step 8 twice, step 9 never")
            << QVariant(withRecord(9, "8.5", "Later")) << Descriptions {{8, u"Later"_s}, {9, {}}}
            << QString();
        QTest::newRow("description: blanks and code page kept")
            << QVariant(withRecord(42, "42", " D8 \x80 ")) << Descriptions {{42, u" D8 \u20AC "_s}}
            << QString();

        // A failed load keeps the previous table whole, even after 49 good records.
        const auto bad = [](const QString &name, const QVariant &file, const QString &error) {
            QTest::newRow(qPrintable(name)) << file << Descriptions() << error;
        };
        const QString record50 = u"steps.txt: Record 50 names %1; steps run from 1 to 100."_s;
        bad(u"missing file"_s, {}, u"53 steps.txt"_s);
        bad(u"199 lines"_s, StepsFile().chopped(9), u"62 steps.txt"_s); // "New 100\r\n" cut off
        bad(u"number line 0"_s, withRecord(50, "0"), u"9 "_s + record50.arg(u"step 0"_s));
        bad(u"number line 101"_s, withRecord(50, "101"), u"9 "_s + record50.arg(u"step 101"_s));
        bad(u"number too big for 32 bits"_s, withRecord(50, "99999999999"),
            u"6 "_s + record50.arg(u"a step number too large"_s));
        // What is not a regular file is refused before it is read (by every loader alike).
        for (const FileKind kind :
             {FileKind::NamedPipe, FileKind::LinkToZero, FileKind::Folder, FileKind::OverTheLimit})
            bad(RefusalOf(kind), QVariant::fromValue(kind), u"75 steps.txt: "_s + RefusalOf(kind));
    }

    void stepFiles()
    {
        QFETCH(QVariant, file);
        QFETCH(Descriptions, unlike);
        QFETCH(QString, error);

        QVERIFY(put(u"steps.txt"_s, StepsFile("Old ")));
        LoadStepDescriptions();
        QVERIFY(put(u"steps.txt"_s, file));
        QCOMPARE(errorOf(LoadStepDescriptions), error);
        const QString described = error.isEmpty() ? u"New %1"_s : u"Old %1"_s;
        for (int step = 1; step <= 100; ++step)
            QCOMPARE(StepDescriptions[step], unlike.value(step, described.arg(step)));
    }

    void actionFiles_data()
    {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("lines"); // the caption, then the entries

        const auto row = [](const QString &name, const QVariant &file, const QStringList &lines,
                            const QString &error = {}) {
            QTest::newRow(qPrintable(name)) << file << error << lines;
        };
        row(u"blanks kept, the empty last entry too"_s, QByteArray(" X \r\n\tA\r\n\r\n"),
            {u" X "_s, u"\tA"_s, QString()});
        row(u"caption only: count lowered to 0"_s, QByteArray("X\r\n"), {u"X"_s});
        QStringList many = {u"Many"_s};
        for (int entry = 1; entry <= 301; ++entry)
            many << u"entry %1"_s.arg(entry);
        row(u"301 entries, 300 read"_s, (many.join(u"\r\n"_s) + u"\r\n"_s).toLatin1(),
            many.first(301));

        // A failed load keeps the table and the caption as the last good load left them.
        const QStringList old = {u"Old"_s, u"one"_s, u"two"_s};
        row(u"missing file"_s, {}, old, u"53 Action3.txt"_s);
        row(u"empty file"_s, QByteArray(""), old, u"62 Action3.txt"_s);
        // Refused as steps.txt is above, by the same reading (a link to an endless device
        // as an action file: see the main window's start that fails).
        row(u"a named pipe"_s, QVariant::fromValue(FileKind::NamedPipe), old,
            u"75 Action3.txt: "_s + RefusalOf(FileKind::NamedPipe));
    }

    void actionFiles()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, error);
        QFETCH(QStringList, lines);

        QVERIFY(put(u"Action3.txt"_s, QByteArray("Old\r\none\r\ntwo\r\n")));
        LoadActionFile(2);
        Captions captions;
        SetActionCaptionSink([&](int index, const QString &text) {
            captions.append({index, text});
        });

        QVERIFY(put(u"Action3.txt"_s, file));
        QCOMPARE(errorOf([] { LoadActionFile(2); }), error);
        QCOMPARE(ActionEntryCounts[2], QString::number(lines.size() - 1));
        for (int line = 0; line < lines.size(); ++line)
            QCOMPARE(ActionEntries[2][line], lines[line]);
        QCOMPARE(captions, (error.isEmpty() ? Captions {{2, lines[0]}} : Captions()));
    }

    // The limit itself is fine, both ways; a save of a byte more is refused before
    // anything is written, and the old file stays.
    void dataFilesAtTheLimit()
    {
        QVERIFY(PlaceFileOfKind(path(u"steps.txt"_s), FileKind::AtTheLimit, StepsFile()));
        QCOMPARE(errorOf(LoadStepDescriptions), QString());
        QCOMPARE(StepDescriptions[100], u"New 100"_s);

        QVERIFY(put(u"Action3.txt"_s, QByteArray("Old\r\n")));
        const QString text = u"Tavern\r\n"_s + QString(MaxDataFileBytes - 10, u'x'); // and CR LF
        QCOMPARE(errorOf([&] { SaveActionFile(2, text + u'x'); }),
                 u"75 Action3.txt: It would hold 16777217 bytes; a data file may hold at most "
                 "16777216 bytes (16 MiB)."_s);
        QCOMPARE(ReadFile(path(u"Action3.txt"_s)), QByteArray("Old\r\n"));
        QCOMPARE(folderContent(), (QStringList {u"Action3.txt"_s, u"steps.txt"_s}));
        QCOMPARE(errorOf([&] { SaveActionFile(2, text); }), QString());
        QCOMPARE(errorOf([] { LoadActionFile(2); }), QString());
        QCOMPARE(ActionEntries[2][1].size(), MaxDataFileBytes - 10);
    }

    // Every byte but CR and LF, which end the lines instead: load, save caption and
    // entries but the last joined with CR LF, and exactly those bytes come back, the
    // longer old file replaced whole. The tables wait for the reload.
    void saveRoundTripsEveryByte()
    {
        QByteArray kept;
        for (int byte = 0; byte < 256; ++byte)
            kept += byte == '\r' || byte == '\n' ? QByteArray("\r\n") : QByteArray(1, char(byte));
        kept += "\r\n";
        QVERIFY(put(u"Action5.txt"_s, kept + "dropped\r\n"));
        LoadActionFile(4);

        const QStringList text(ActionEntries[4].begin(), ActionEntries[4].begin() + 3);
        SaveActionFile(4, text.join(u"\r\n"_s));
        QCOMPARE(ReadFile(path(u"Action5.txt"_s)), kept);
        QCOMPARE(folderContent(), QStringList {u"Action5.txt"_s});
        QCOMPARE(ActionEntryCounts[4], u"3"_s);
    }

    // A save never replaces what is not a regular file: a folder, a named pipe or a device
    // standing where the file goes, or a link to one, is left as it was with a message,
    // and no temporary file stays behind.
    void refusedSaves_data()
    {
        QTest::addColumn<FileKind>("kind");
        for (const FileKind kind :
             {FileKind::Folder, FileKind::NamedPipe, FileKind::LinkToPipe, FileKind::Device})
            QTest::newRow(qPrintable(RefusalOf(kind))) << kind;
    }

    void refusedSaves()
    {
        QFETCH(FileKind, kind);

        if (!PlaceFileOfKind(path(u"Action1.txt"_s), kind))
            QSKIP("This kind of file cannot be made here (a device node needs root).");
        const QStringList before = folderKinds();
        QCOMPARE(errorOf([] { SaveActionFile(0, u"X\r\nA"_s); }),
                 u"75 Action1.txt: "_s + RefusalOf(kind));
        QCOMPARE(folderKinds(), before);
    }

    // A link to a regular file is written through: its target gets the new text, by way of
    // a temporary file beside the target, and the link stays a link.
    void saveThroughALink()
    {
        QVERIFY(QDir().mkdir(path(u"tables"_s)));
        QVERIFY(put(u"tables/Tavern.txt"_s, QByteArray("Old\r\n")));
        QVERIFY(QFile::link(u"tables/Tavern.txt"_s, path(u"Action1.txt"_s)));
        QCOMPARE(errorOf([] { SaveActionFile(0, u"New\r\nA"_s); }), QString());
        QCOMPARE(ReadFile(path(u"tables/Tavern.txt"_s)), QByteArray("New\r\nA\r\n"));
        QCOMPARE(folderKinds(), (QStringList {u"Action1.txt link"_s, u"tables folder"_s}));
        QCOMPARE(QDir(path(u"tables"_s)).entryList(QDir::Files | QDir::Hidden),
                 QStringList {u"Tavern.txt"_s});
    }

    // A full disk is named as such, and the old file stays whole, also when the new text
    // is small enough to wait in a buffer until the end. A real full file system is a
    // tiny tmpfs, which only root may mount.
    void fullDiskIsNamed_data()
    {
        QTest::addColumn<bool>("filledBefore");
        QTest::addColumn<int>("length");
        QTest::newRow("text larger than the free space") << false << 100000;
        QTest::newRow("small text onto a full disk") << true << 100;
    }

    void fullDiskIsNamed()
    {
        QFETCH(bool, filledBefore);
        QFETCH(int, length);

        const QString small = path(u"small"_s);
        QVERIFY(QDir().mkdir(small));
        const QByteArray mountPoint = QFile::encodeName(small);
        if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("Mounting a small file system needs root.");
        const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
        SetProgramFolder(small);
        QVERIFY(put(u"small/Action1.txt"_s, QByteArray("Old\r\n")));
        QStringList left = {u"Action1.txt"_s};
        if (filledBefore) {
            QFile filler(path(u"small/filler"_s));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write("x", 1) == 1) { }
            left << u"filler"_s;
        }
        QCOMPARE(errorOf([&] { SaveActionFile(0, u"X\r\n"_s + QString(length, u'x')); }),
                 u"75 Action1.txt: No space is left on the device."_s);
        QCOMPARE(ReadFile(path(u"small/Action1.txt"_s)), QByteArray("Old\r\n"));
        QCOMPARE(QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 left);
    }

    // Each data file is read from the first folder that holds it: the program folder
    // alone when it holds any data file at all; otherwise the user's folder, the install's
    // own, then the system's in their order. Every copy of steps.txt names its place.
    void lookUpOrder_data()
    {
        QTest::addColumn<QStringList>("copies"); // "place/file name"
        QTest::addColumn<QString>("readFrom"); // the place of the steps.txt read

        const auto row = [](const char *name, const QString &copies, const QString &readFrom) {
            QTest::newRow(name) << copies.split(u' ', Qt::SkipEmptyParts) << readFrom;
        };
        row("portable: the program folder over all others",
            u"bin/steps.txt home/steps.txt share/steps.txt"_s, u"bin"_s);
        row("portable: any data file makes it one; a missing file is named there",
            u"bin/Action7.txt home/steps.txt"_s, u"bin"_s);
        row("install: the user's folder first", u"home/steps.txt share/steps.txt sys1/steps.txt"_s,
            u"home"_s);
        row("install: its own folder before the system's", u"share/steps.txt sys1/steps.txt"_s,
            u"share"_s);
        row("install: the system folders in their order", u"sys1/steps.txt sys2/steps.txt"_s,
            u"sys1"_s);
        row("install: the last system folder", u"sys2/steps.txt"_s, u"sys2"_s);
        row("install: each file on its own", u"home/help.txt share/steps.txt"_s, u"share"_s);
        row("install: nowhere; named where the install puts it", {}, u"share"_s);
    }

    void lookUpOrder()
    {
        QFETCH(QStringList, copies);
        QFETCH(QString, readFrom);

        for (const QString &copy : copies) {
            const QString place = copy.section(u'/', 0, 0);
            QVERIFY(putAt(place, copy.section(u'/', 1), StepsFile(place.toLatin1() + ' ')));
        }
        const QString expected = fileAt(readFrom, u"steps.txt"_s);
        QCOMPARE(DataFilePath(u"steps.txt"_s), expected);
        const auto error = ErrorOf(LoadStepDescriptions);
        if (copies.contains(readFrom + u"/steps.txt"_s)) {
            QVERIFY(!error);
            QCOMPARE(StepDescriptions[100], readFrom + u" 100"_s);
        } else {
            QVERIFY(error && error->number() == FileNotFound);
            QCOMPARE(QString::fromStdString(error->file()), expected);
        }
    }

    // An edit is written where its file was read if that file and its folder may be
    // written; otherwise to the user's data folder, which is read from then on, and the
    // file read stays as it was. A portable folder is never left for another. When the
    // user's data folder cannot be made, the edit is refused with a message naming the file
    // it was meant for, and nothing is written anywhere.
    void editsGoWhereTheyMayBeWritten_data()
    {
        QTest::addColumn<QString>("readFrom");
        QTest::addColumn<bool>("readOnly"); // the folder read from
        QTest::addColumn<QString>("writtenTo"); // or, when refused, the folder named
        QTest::addColumn<QString>("refusal"); // why, "*" for any reason; empty: not refused

        const auto row = [](const char *name, const char *readFrom, bool readOnly,
                            const char *writtenTo, const char *refusal = "") {
            QTest::newRow(name) << QString::fromLatin1(readFrom) << readOnly
                                << QString::fromLatin1(writtenTo) << QString::fromLatin1(refusal);
        };
        row("portable: the program folder", "bin", false, "bin");
        row("portable: a read-only program folder refuses", "bin", true, "bin", "*");
        row("install: the user's own copy", "home", false, "home");
        row("install: an install the user may write", "share", false, "share");
        row("install: a read-only install", "share", true, "home");
        row("install: a read-only system folder", "sys2", true, "home");
        row("install: no user folder can be made", "share", true, "home",
            "A part of the path is not a folder.");
    }

    void editsGoWhereTheyMayBeWritten()
    {
        QFETCH(QString, readFrom);
        QFETCH(bool, readOnly);
        QFETCH(QString, writtenTo);
        QFETCH(QString, refusal);

        const QByteArray shipped = "Shipped\r\nA\r\n";
        QVERIFY(putAt(readFrom, u"Action1.txt"_s, shipped));
        if (!refusal.isEmpty() && writtenTo != readFrom) // a file where the folder belongs
            QVERIFY(WriteFile(m_root->filePath(u"home"_s), "a file where a folder belongs"));
        QCOMPARE(errorOf([] { LoadActionFile(0); }), QString());
        std::optional<ReadOnlyFolder> locked;
        if (readOnly && !locked.emplace(folderOf(readFrom)).held())
            QSKIP("The folder cannot be made read-only here.");

        const auto error = ErrorOf([] { SaveActionFile(0, u"Edited\r\nB"_s); });
        if (!refusal.isEmpty()) {
            QVERIFY(error && error->number() == PathFileAccessError);
            QCOMPARE(QString::fromStdString(error->file()), fileAt(writtenTo, u"Action1.txt"_s));
            QVERIFY(refusal == u"*"_s || QString::fromStdString(error->detail()) == refusal);
            QVERIFY(!QFileInfo(folderOf(u"home"_s)).isDir());
        } else {
            QVERIFY(!error);
            QCOMPARE(ReadFile(fileAt(writtenTo, u"Action1.txt"_s)), QByteArray("Edited\r\nB\r\n"));
            QCOMPARE(errorOf([] { LoadActionFile(0); }), QString());
            QCOMPARE(ActionEntries[0][0], u"Edited"_s);
        }
        if (writtenTo != readFrom || !refusal.isEmpty())
            QCOMPARE(ReadFile(fileAt(readFrom, u"Action1.txt"_s)), shipped);
    }

    // The failures a user can act on in words of ours (the full disk and a path through a
    // file are named above), the rest in the system's own.
    void failureReasons()
    {
        QCOMPARE(FailureReason(EROFS), u"the file system is read-only"_s);
        QCOMPARE(FailureReason(EOPNOTSUPP), u"operation not supported"_s);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
