#include "LogText.h"

#include "NumberForms.h"
#include "StepPools.h"

#include <QDateTime>

namespace MainBas::Log {

namespace {

QString samplesText(double samples)
{
    return QString::fromStdString(PlainNumber(samples)) + QStringLiteral(" samples");
}

QString whatOf(const StepRolled &roll)
{
    return QStringLiteral("Step %1 (%2)")
        .arg(roll.step)
        .arg(QString::fromStdString(PoolText(roll.step)));
}

QString whatOf(const FreeDieAdded &die)
{
    return QStringLiteral("+D%1").arg(die.size);
}

QString whatOf(const DecisionMade & /*decision*/)
{
    return QStringLiteral("Decision");
}

QString whatOf(const ActionDrawn &draw)
{
    return QStringLiteral("Action: ") + draw.caption;
}

QString whatOf(const DistributionReported &run)
{
    return QStringLiteral("Distribution report, step %1").arg(run.step);
}

QString whatOf(const StatisticsReported & /*run*/)
{
    return QStringLiteral("Statistics report");
}

QString resultOf(const StepRolled &roll)
{
    QString text = QStringLiteral("%1, %2 die roll").arg(roll.total).arg(roll.dieRolls);
    if (roll.dieRolls != 1)
        text += QLatin1Char('s');
    if (roll.fumble)
        text += QStringLiteral(", fumble");
    return text;
}

QString resultOf(const FreeDieAdded &die)
{
    return QStringLiteral("%1, sum %2").arg(die.rolled).arg(die.sum);
}

QString resultOf(const DecisionMade &decision)
{
    return QStringLiteral("1-%1: %2").arg(decision.possibilities).arg(decision.picked);
}

QString resultOf(const ActionDrawn &draw)
{
    return draw.entry;
}

QString resultOf(const DistributionReported &run)
{
    return samplesText(run.samples);
}

QString resultOf(const StatisticsReported &run)
{
    return samplesText(run.samples);
}

} // namespace

QString TimeText(const Entry &entry)
{
    return QDateTime::fromSecsSinceEpoch(entry.time).toString(QStringLiteral("hh:mm:ss"));
}

QString WhatText(const Roll &roll)
{
    return std::visit([](const auto &kind) { return whatOf(kind); }, roll);
}

QString ResultText(const Roll &roll)
{
    return std::visit([](const auto &kind) { return resultOf(kind); }, roll);
}

} // namespace MainBas::Log
