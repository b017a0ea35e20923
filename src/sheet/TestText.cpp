#include "TestText.h"

#include <QStringList>

namespace MainBas::Sheet {

namespace {

// "1 wound", "2 wounds".
QString counted(int count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// " + karma D6", " + 2 karma D6".
QString addedDice(int count, const QString &kind, int size)
{
    if (count <= 0)
        return {};
    const QString die = QStringLiteral("%1 D%2").arg(kind).arg(size);
    return count == 1 ? QStringLiteral(" + ") + die
                      : QStringLiteral(" + %1 %2").arg(count).arg(die);
}

QString steps(int count)
{
    return counted(std::abs(count), QStringLiteral("step"), QStringLiteral("steps"));
}

bool usesProgramRule(Edition edition)
{
    return StepTableOf(edition).failureRule() == FailureRule::ProgramFumble;
}

QString roleText(DieRole role)
{
    switch (role) {
    case DieRole::Karma:
        return QStringLiteral("karma ");
    case DieRole::Devotion:
        return QStringLiteral("devotion ");
    case DieRole::Step:
        break;
    }
    return {};
}

QString extraText(int extra, bool full)
{
    if (extra == 0)
        return {};
    if (!full)
        return QStringLiteral(", %1 extra").arg(extra);
    return QStringLiteral(", ")
        + counted(extra, QStringLiteral("extra success"), QStringLiteral("extra successes"));
}

} // namespace

QString TestText(const QString &name, const StepTest &test)
{
    QString text = name.isEmpty() ? QString() : name + QStringLiteral(": ");
    text += QStringLiteral("step %1").arg(test.step);
    text += addedDice(test.karmaPoints, QStringLiteral("karma"), test.karmaDie);
    text += addedDice(test.devotionPoints, QStringLiteral("devotion"), test.devotionDie);
    if (test.wounds != 0)
        text += QStringLiteral(" - ")
            + counted(test.wounds, QStringLiteral("wound"), QStringLiteral("wounds"));
    if (test.modifier != 0)
        text += (test.modifier > 0 ? QStringLiteral(" + ") : QStringLiteral(" - "))
            + steps(test.modifier);
    const ModifiedStep modified = ModifiedStepOf(test);
    if (modified.clamped)
        text += QStringLiteral(" (held to step %1)").arg(modified.step);
    if (test.target)
        text += QStringLiteral(" vs %1").arg(*test.target);
    return text;
}

QString DiceRollsText(const PoolRoll &roll)
{
    QStringList dice;
    for (const RolledDie &die : roll.dice) {
        QStringList rolls;
        for (const std::int16_t face : die.rolls)
            rolls << QString::number(face);
        dice << QStringLiteral("%1D%2: %3")
                    .arg(roleText(die.role))
                    .arg(die.size)
                    .arg(rolls.join(u'+'));
    }
    if (roll.adjustment != 0)
        dice << QStringLiteral("%1%2")
                    .arg(roll.adjustment > 0 ? QStringLiteral("+") : QString())
                    .arg(roll.adjustment);
    return dice.join(QStringLiteral(", "));
}

QString VerdictText(const TestVerdict &verdict, Edition edition)
{
    if (verdict.automaticFailure)
        return usesProgramRule(edition) ? QStringLiteral("Fumble: automatic failure")
                                        : QStringLiteral("Rule of One: automatic failure");
    if (!verdict.hasTarget)
        return {};
    if (!verdict.success)
        return QStringLiteral("Failure (short by %1)").arg(-verdict.margin);
    return QStringLiteral("Success") + extraText(verdict.extraSuccesses, true)
        + QStringLiteral(" (by %1)").arg(verdict.margin);
}

QString ShortVerdictText(const TestVerdict &verdict, Edition edition)
{
    if (verdict.automaticFailure)
        return usesProgramRule(edition) ? QStringLiteral("fumble") : QStringLiteral("Rule of One");
    if (!verdict.hasTarget)
        return {};
    if (!verdict.success)
        return QStringLiteral("failure");
    return QStringLiteral("success") + extraText(verdict.extraSuccesses, false);
}

QString LoggedResultText(const TestResult &result, Edition edition)
{
    QString text = QString::number(result.roll.total);
    const QString verdict = ShortVerdictText(result.verdict, edition);
    if (!verdict.isEmpty())
        text += QStringLiteral(", ") + verdict;
    return text + QStringLiteral(" (") + DiceRollsText(result.roll) + QLatin1Char(')');
}

QString SharedLine(const QString &character, const QString &name, const StepTest &test,
                   const TestResult &result, Edition edition)
{
    const QString who
        = character.isEmpty() ? QStringLiteral("Rolled") : character + QStringLiteral(" rolls");
    const QString what = name.isEmpty()
        ? TestText({}, test)
        : name + QStringLiteral(" (") + TestText({}, test) + QLatin1Char(')');
    QString line = who + QLatin1Char(' ') + what + QStringLiteral(": ") + DiceRollsText(result.roll)
        + QStringLiteral(" = %1.").arg(result.roll.total);
    const QString verdict = VerdictText(result.verdict, edition);
    if (!verdict.isEmpty())
        line += QLatin1Char(' ') + verdict + QLatin1Char('.');
    return line;
}

} // namespace MainBas::Sheet
