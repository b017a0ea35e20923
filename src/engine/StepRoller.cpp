#include "StepRoller.h"

namespace MainBas {

std::int16_t FumbleFlag = 0;

PoolRoll RollStepValue(const StepTable &table, std::int16_t step, RandomSource &source,
                       std::int16_t &count)
{
    if (step < 1 || step > StepCount)
        return {{}, 0, 1, 0, IsAutomaticFailure(table.failureRule(), 1, 0, 0, 0)};
    return RollPool(table.pool(step), source, count, table.failureRule());
}

PoolRoll RollStep(const StepTable &table, std::int16_t step, RandomSource &source)
{
    RollCount = 0;
    PoolRoll roll = RollStepValue(table, step, source, RollCount);
    FumbleFlag = roll.fumble ? -1 : 0;
    return roll;
}

} // namespace MainBas
