#include "LogText.h"

#include "Edition.h"

#include <QDateTime>

#include <cmath>
#include <cstdlib>

namespace MainBas::Log {

namespace {

// A whole number as digits (grouped as the locale groups them), anything else in the
// shortest form that keeps 15 significant digits.
QString figure(double value, const QLocale &locale)
{
    if (std::floor(value) == value && std::abs(value) < 1e15)
        return locale.toString(static_cast<qint64>(value));
    return locale.toString(value, 'g', 15);
}

QString samplesText(double samples, const QLocale &locale)
{
    return figure(samples, locale) + QStringLiteral(" samples");
}

QString whatOf(const StepRolled &roll, const QLocale &locale)
{
    return QStringLiteral("Step %1 (%2)")
        .arg(locale.toString(roll.step),
             QString::fromStdString(StepTableOf(roll.edition).text(roll.step)));
}

QString whatOf(const FreeDieAdded &die, const QLocale &locale)
{
    return QStringLiteral("+D") + locale.toString(die.size);
}

QString whatOf(const DecisionMade & /*decision*/, const QLocale & /*locale*/)
{
    return QStringLiteral("Decision");
}

QString whatOf(const ActionDrawn &draw, const QLocale & /*locale*/)
{
    return QStringLiteral("Action: ") + draw.caption;
}

QString whatOf(const DistributionReported &run, const QLocale &locale)
{
    return QStringLiteral("Distribution report, step ") + locale.toString(run.step);
}

QString whatOf(const TestRolled &test, const QLocale & /*locale*/)
{
    return test.what;
}

QString resultOf(const TestRolled &test, const QLocale & /*locale*/)
{
    return test.result;
}

QString whatOf(const StatisticsReported & /*run*/, const QLocale & /*locale*/)
{
    return QStringLiteral("Statistics report");
}

QString resultOf(const StepRolled &roll, const QLocale &locale)
{
    QString text = QStringLiteral("%1, %2 die roll")
                       .arg(locale.toString(roll.total), locale.toString(roll.dieRolls));
    if (roll.dieRolls != 1)
        text += QLatin1Char('s');
    // The program's fumble rule in the editions that keep it, the Rule of One in the others.
    const bool programRule = StepTableOf(roll.edition).failureRule() == FailureRule::ProgramFumble;
    if (roll.fumble)
        text += programRule ? QStringLiteral(", fumble") : QStringLiteral(", Rule of One");
    return text;
}

QString resultOf(const FreeDieAdded &die, const QLocale &locale)
{
    return QStringLiteral("%1, sum %2").arg(locale.toString(die.rolled), locale.toString(die.sum));
}

QString resultOf(const DecisionMade &decision, const QLocale &locale)
{
    return QStringLiteral("1-%1: %2")
        .arg(locale.toString(decision.possibilities), locale.toString(decision.picked));
}

QString resultOf(const ActionDrawn &draw, const QLocale & /*locale*/)
{
    return draw.entry;
}

QString resultOf(const DistributionReported &run, const QLocale &locale)
{
    return samplesText(run.samples, locale);
}

QString resultOf(const StatisticsReported &run, const QLocale &locale)
{
    return samplesText(run.samples, locale);
}

// "+01:00" for an offset of an hour east of UTC, "+00:00" for none.
QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TimeText(const Entry &entry)
{
    return QDateTime::fromSecsSinceEpoch(entry.time).toString(QStringLiteral("hh:mm:ss"));
}

QString DateTimeText(const Entry &entry)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(entry.time);
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        + offsetText(local.offsetFromUtc());
}

QString WhatText(const Roll &roll, const QLocale &locale)
{
    return std::visit([&locale](const auto &kind) { return whatOf(kind, locale); }, roll);
}

QString ResultText(const Roll &roll, const QLocale &locale)
{
    return std::visit([&locale](const auto &kind) { return resultOf(kind, locale); }, roll);
}

} // namespace MainBas::Log
