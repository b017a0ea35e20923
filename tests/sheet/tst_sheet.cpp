// A test as a player rolls it: the modified step, the dice with karma and devotion, and the
// verdict against a target number, from scripted dice; the karma a character spends on it;
// the sheet as JSON and as a file.
#include "CharacterRoll.h"
#include "CharacterSheet.h"
#include "DataFileKinds.h"
#include "ScriptedRandom.h"
#include "SheetFile.h"
#include "StepTest.h"
#include "TestText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace MainBas;
using namespace MainBas::Sheet;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Edition)

namespace {

// Draws that make each die of the pool show the face given for it, no explosions.
RandomSource showing(const DicePool &pool, const QList<int> &faces)
{
    ScriptedRandom script;
    for (qsizetype i = 0; i < faces.size(); ++i)
        script.add(Face(pool.dice().at(static_cast<std::size_t>(i)).size, faces[i]));
    return script.source();
}

// Files may grow no larger than the limit while the object lives: a write past it fails
// part way, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedSignal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved {};
    void (*m_savedSignal)(int) = nullptr;
};

CharacterSheet kethra()
{
    CharacterSheet sheet;
    sheet.name = QStringLiteral("Kethra");
    sheet.karmaMaximum = 12;
    sheet.karmaLeft = 7;
    for (int i = 0; i < 40; ++i)
        sheet.rolls.push_back({QStringLiteral("Roll %1").arg(i), 11, 1, 13, {}});
    return sheet;
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void modifiedStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("wounds");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<int>("modified");
        QTest::addColumn<bool>("clamped");
        QTest::newRow("two wounds") << 11 << 2 << 0 << 9 << false;
        QTest::newRow("wounds and a bonus") << 11 << 2 << 3 << 12 << false;
        QTest::newRow("down to step 1") << 3 << 2 << 0 << 1 << false;
        QTest::newRow("below step 1") << 3 << 5 << 0 << 1 << true;
        QTest::newRow("above step 100") << 99 << 0 << 5 << 100 << true;
        QTest::newRow("no overflow on extremes")
            << 2147483647 << -2147483647 << 2147483647 << 100 << true;
    }

    void modifiedStep()
    {
        QFETCH(int, step);
        QFETCH(int, wounds);
        QFETCH(int, modifier);
        QFETCH(int, modified);
        QFETCH(bool, clamped);
        const ModifiedStep result
            = ModifiedStepOf({.step = step, .wounds = wounds, .modifier = modifier});
        QCOMPARE(result.step, modified);
        QCOMPARE(result.clamped, clamped);
    }

    // Step 11 (D10+D8) with a karma D6 against 13 (3rd edition: no extra successes), and
    // the same dice in 4th edition, where every full 5 above the target is one more.
    void verdicts_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<QList<int>>("faces");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("automatic");

        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        QTest::newRow("short by 1") << third << QList<int> {5, 4, 3} << false << -1 << 0 << false;
        QTest::newRow("exactly the target")
            << third << QList<int> {6, 4, 3} << true << 0 << 0 << false;
        QTest::newRow("3rd: TN+5, no extras")
            << third << QList<int> {9, 6, 3} << true << 5 << 0 << false;
        QTest::newRow("4th: TN+4") << fourth << QList<int> {9, 5, 3} << true << 4 << 0 << false;
        QTest::newRow("4th: TN+5") << fourth << QList<int> {9, 6, 3} << true << 5 << 1 << false;
        QTest::newRow("4th: TN+9, a devotion D4")
            << fourth << QList<int> {9, 7, 5, 1} << true << 9 << 1 << false;
        QTest::newRow("4th: TN+10")
            << fourth << QList<int> {9, 7, 5, 2} << true << 10 << 2 << false;
        QTest::newRow("4th: every die 1, karma too")
            << fourth << QList<int> {1, 1, 1} << false << -10 << 0 << true;
        QTest::newRow("1st: every die 1 is the fumble")
            << Edition::First << QList<int> {1, 1, 1} << false << -10 << 0 << true;
    }

    void verdicts()
    {
        QFETCH(Edition, edition);
        QFETCH(QList<int>, faces);
        QFETCH(bool, success);
        QFETCH(int, margin);
        QFETCH(int, extra);
        QFETCH(bool, automatic);

        const StepTest test {
            .step = 11, .karmaPoints = 1, .devotionPoints = faces.size() > 3 ? 1 : 0, .target = 13};
        RandomSource source = showing(PoolOf(test, edition), faces);
        const TestResult result = RollTest(test, edition, source);
        QCOMPARE(result.verdict.success, success);
        QCOMPARE(result.verdict.margin, margin);
        QCOMPARE(result.verdict.extraSuccesses, extra);
        QCOMPARE(result.verdict.automaticFailure, automatic);
        QCOMPARE(result.roll.dice.back().role,
                 faces.size() > 3 ? DieRole::Devotion : DieRole::Karma);
    }

    // The Rule of One fails a test that reaches its target: a devotion die of 1 and two
    // more dice of 1 can total enough only if the target is low.
    void ruleOfOneBeatsTheTotal()
    {
        // 4th edition step 3: D4, karma D6.
        const StepTest test {.step = 3, .karmaPoints = 1, .target = 2};
        RandomSource source = showing(PoolOf(test, Edition::Fourth), {1, 1});
        const TestResult result = RollTest(test, Edition::Fourth, source);
        QCOMPARE(result.roll.total, 2);
        QVERIFY(result.verdict.automaticFailure);
        QVERIFY(!result.verdict.success);
        QVERIFY(result.verdict.hasTarget);
    }

    // Everything a sheet holds comes back, keys of a newer version included.
    void sheetRoundTrip()
    {
        CharacterSheet sheet;
        sheet.name = QStringLiteral("Kethra é €");
        sheet.karmaMaximum = 12;
        sheet.karmaLeft = 7;
        sheet.wounds = 2;
        sheet.rolls.push_back(
            {QStringLiteral("Melee Weapons"), 11, 1, 13, QStringLiteral("sword")});
        sheet.rolls.push_back({QStringLiteral("Perception"), 7, 0, std::nullopt, {}});
        QJsonObject later = QJsonDocument::fromJson(SheetToJson(sheet)).object();
        later.insert(QStringLiteral("portrait"), QStringLiteral("kethra.png"));
        QJsonArray rolls = later.value(QStringLiteral("rolls")).toArray();
        QJsonObject first = rolls[0].toObject();
        first.insert(QStringLiteral("colour"), QStringLiteral("red"));
        rolls[0] = first;
        later.insert(QStringLiteral("rolls"), rolls);

        const CharacterSheet read = SheetFromJson(QJsonDocument(later).toJson());
        QCOMPARE(read.name, sheet.name);
        QCOMPARE(read.karmaLeft, 7);
        QCOMPARE(read.karmaMaximum, 12);
        QCOMPARE(read.wounds, 2);
        QCOMPARE(read.rolls.size(), std::size_t {2});
        QCOMPARE(read.rolls[0].target, std::optional<int>(13));
        QCOMPARE(read.rolls[0].note, QStringLiteral("sword"));
        QCOMPARE(read.rolls[1].target, std::nullopt);
        const QJsonObject saved = QJsonDocument::fromJson(SheetToJson(read)).object();
        QCOMPARE(saved.value(QStringLiteral("portrait")).toString(), QStringLiteral("kethra.png"));
        QCOMPARE(saved.value(QStringLiteral("rolls"))
                     .toArray()[0]
                     .toObject()
                     .value(QStringLiteral("colour")),
                 QJsonValue(QStringLiteral("red")));
        QCOMPARE(saved.value(QStringLiteral("version")).toInt(), 1);
    }

    void sheetRefusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fault");
        const QByteArray head = "{\"format\": \"tessarion-character-sheet\", \"version\": 1, ";
        QTest::newRow("not JSON at all") << QByteArray("hello") << "It is not a complete sheet";
        QTest::newRow("another JSON document")
            << QByteArray("{\"name\": \"x\"}") << "It is not a Tessarion character sheet.";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "It is not a Tessarion character sheet.";
        QTest::newRow("cut off") << head + "\"name\": \"Kethra\", \"rol"
                                 << "It is not a complete sheet";
        QTest::newRow("step 0") << head + "\"rolls\": [{\"name\": \"a\", \"step\": 0}]}"
                                << "Roll 1: \"step\" is 0; it must lie from 1 to 100.";
        QTest::newRow("step 1000") << head + "\"rolls\": [{}, {\"step\": 1000}]}"
                                   << "Roll 2: \"step\" is 1000; it must lie from 1 to 100.";
        QTest::newRow("negative karma")
            << head + "\"karmaMaximum\": -3}"
            << "The sheet's \"karmaMaximum\" is -3; it must lie from 0 to 9999.";
        QTest::newRow("more karma left than the maximum")
            << head + "\"karmaMaximum\": 3, \"karmaLeft\": 4}"
            << "The sheet's \"karmaLeft\" is 4; it must lie from 0 to 3.";
        QTest::newRow("a step as text") << head + "\"rolls\": [{\"step\": \"11\"}]}"
                                        << "Roll 1: \"step\" is not a whole number.";
        QTest::newRow("a fraction") << head + "\"wounds\": 1.5}"
                                    << "The sheet's \"wounds\" is not a whole number.";
        QTest::newRow("a name as a number") << head + "\"name\": 7}"
                                            << "The sheet's \"name\" is not a text.";
        QTest::newRow("rolls not a list") << head + "\"rolls\": {}}"
                                          << "The sheet's \"rolls\" is not a list.";
        QTest::newRow("a roll that is no object") << head + "\"rolls\": [3]}"
                                                  << "Roll 1: it is not a roll.";
        QTest::newRow("too large") << head + QByteArray(16 * 1024 * 1024, ' ') + "}"
                                   << "a sheet may hold at most 16 MiB.";
    }

    void sheetRefusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, fault);
        try {
            SheetFromJson(json);
            QFAIL("the sheet was read");
        } catch (const SheetFault &error) {
            const QString message = QString::fromStdString(error.what());
            QVERIFY2(message.contains(fault), qPrintable(message));
        }
    }

    // The texts of a roll: as asked, in the roll log, and in one line for the group.
    void texts()
    {
        const StepTest melee {.step = 11, .wounds = 2, .karmaPoints = 1, .target = 13};
        QCOMPARE(TestText(QStringLiteral("Melee Weapons"), melee),
                 QStringLiteral("Melee Weapons: step 11 + karma D6 - 2 wounds vs 13"));
        QCOMPARE(TestText({}, {.step = 99, .modifier = 3, .karmaPoints = 2, .devotionPoints = 1}),
                 QStringLiteral("step 99 + 2 karma D6 + devotion D4 + 3 steps (held to step 100)"));
        QCOMPARE(TestText({}, {.step = 5, .wounds = 1, .modifier = -1}),
                 QStringLiteral("step 5 - 1 wound - 1 step"));

        // Step 9 after the wounds is D8+D6; the D8 explodes once.
        RandomSource source
            = ScriptedRandom {Face(8, 8), Face(8, 2), Face(6, 3), Face(6, 4)}.source();
        const TestResult fourth = RollTest(melee, Edition::Fourth, source);
        QCOMPARE(LoggedResultText(fourth, Edition::Fourth),
                 QStringLiteral("17, success (D8: 8+2, D6: 3, karma D6: 4)"));
        QCOMPARE(SharedLine(QStringLiteral("Kethra"), QStringLiteral("Melee Weapons"), melee,
                            fourth, Edition::Fourth),
                 QStringLiteral("Kethra rolls Melee Weapons (step 11 + karma D6 - 2 wounds vs 13): "
                                "D8: 8+2, D6: 3, karma D6: 4 = 17. Success (by 4)."));

        TestVerdict verdict {.hasTarget = true, .success = true, .margin = 11, .extraSuccesses = 2};
        QCOMPARE(VerdictText(verdict, Edition::Fourth),
                 QStringLiteral("Success, 2 extra successes (by 11)"));
        QCOMPARE(ShortVerdictText(verdict, Edition::Fourth), QStringLiteral("success, 2 extra"));
        verdict = {.hasTarget = true, .margin = -3};
        QCOMPARE(VerdictText(verdict, Edition::Third), QStringLiteral("Failure (short by 3)"));
        verdict.automaticFailure = true;
        QCOMPARE(VerdictText(verdict, Edition::Third),
                 QStringLiteral("Rule of One: automatic failure"));
        QCOMPARE(VerdictText(verdict, Edition::First), QStringLiteral("Fumble: automatic failure"));
        QCOMPARE(VerdictText({}, Edition::First), QString());
    }

    // Each karma die takes a point; a roll asking for more than are left rolls nothing and
    // takes nothing, nor does one that overflows. A maximum of 0 counts no karma.
    void karmaSpending_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("overflow");
        QTest::addColumn<int>("leftAfter");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("enough") << 5 << 3 << 2 << false << 1 << QString();
        QTest::newRow("the last points") << 5 << 2 << 2 << false << 0 << QString();
        QTest::newRow("one short") << 5 << 1 << 2 << false << 1
                                   << u"This roll takes 2 karma points, but only 1 is left. "
                                      "Nothing was rolled."_s;
        QTest::newRow("none left") << 5 << 0 << 1 << false << 0
                                   << u"This roll takes 1 karma point, but none is left. "
                                      "Nothing was rolled."_s;
        QTest::newRow("not counted") << 0 << 0 << 3 << false << 0 << QString();
        QTest::newRow("an overflow takes nothing") << 5 << 3 << 1 << true << 3 << QString();
    }

    void karmaSpending()
    {
        QFETCH(int, maximum);
        QFETCH(int, left);
        QFETCH(int, asked);
        QFETCH(bool, overflow);
        QFETCH(int, leftAfter);
        QFETCH(QString, refusal);
        CharacterSheet sheet;
        sheet.karmaMaximum = maximum;
        sheet.karmaLeft = left;
        const ScriptedRandom script = ScriptedRandom::repeating(overflow ? LargestBelowOne : 0.0);
        RandomSource source = script.source();
        try {
            RollForCharacter(sheet, {.step = 11, .karmaPoints = asked}, Edition::First, source);
            QVERIFY(refusal.isEmpty() && !overflow);
        } catch (const KarmaShort &shortage) {
            QCOMPARE(shortage.message(), refusal);
            QCOMPARE(script.draws(), std::size_t {0});
        } catch (const RuntimeError &error) {
            QVERIFY(overflow);
            QCOMPARE(error.number(), Overflow);
        }
        QCOMPARE(sheet.karmaLeft, leftAfter);
    }

    // A file that is no sheet is refused with a sentence naming it and the fault.
    void sheetFileRefusals_data()
    {
        QTest::addColumn<QVariant>("content");
        QTest::addColumn<QString>("message");
        const QString head = QStringLiteral("Could not open Kethra.json: ");
        QTest::newRow("missing") << QVariant() << head + u"there is no such file."_s;
        QTest::newRow("another kind of JSON") << QVariant(QByteArray("{\"name\": \"Kethra\"}"))
                                              << head + u"it is not a Tessarion character sheet."_s;
        QTest::newRow("cut off") << QVariant(SheetToJson(kethra()).left(300))
                                 << head
                + u"it is not a complete sheet (unterminated string at "
                  "byte 301)."_s;
        QTest::newRow("step 1000")
            << QVariant(SheetToJson(kethra()).replace("\"step\": 11", "\"step\": 1000"))
            << head + u"roll 1: \"step\" is 1000; it must lie from 1 to 100."_s;
        QTest::newRow("a folder") << QVariant::fromValue(FileKind::Folder)
                                  << head + u"it is a folder, not a regular file."_s;
        QTest::newRow("over 16 MiB") << QVariant::fromValue(FileKind::OverTheLimit)
                                     << head
                + u"it holds 16777217 bytes; a data file may hold at most 16777216 bytes (16 MiB)."_s;
    }

    void sheetFileRefusals()
    {
        QFETCH(QVariant, content);
        QFETCH(QString, message);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Kethra.json"));
        QVERIFY(PutFile(path, content));
        try {
            ReadSheetFile(path);
            QFAIL("the file was read");
        } catch (const SheetFileError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    // A save cut short, as by a full disk, leaves the old file whole and says why; a whole
    // one reads back.
    void interruptedSaveKeepsTheOldFile()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Kethra.json"));
        CharacterSheet sheet = kethra();
        sheet.rolls.resize(1);
        WriteSheetFile(path, sheet);
        const QByteArray old = ReadFile(path);
        try {
            const FileSizeLimit limit(1000);
            WriteSheetFile(path, kethra());
            QFAIL("the save went through");
        } catch (const SheetFileError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("Could not save Kethra.json: the file would be "
                                    "larger than the file system allows."));
        }
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {u"Kethra.json"_s});
        QCOMPARE(ReadSheetFile(path).rolls.size(), std::size_t {1});
    }

    void noTargetNoVerdict()
    {
        const StepTest test {.step = 8};
        RandomSource source = showing(PoolOf(test, Edition::First), {4, 5});
        const TestResult result = RollTest(test, Edition::First, source);
        QCOMPARE(result.roll.total, 9);
        QVERIFY(!result.verdict.hasTarget);
        QVERIFY(!result.verdict.success);
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
