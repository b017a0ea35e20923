#include "KarmaDie.h"

namespace MainBas::Odds {

int SizeOf(KarmaDie karma)
{
    switch (karma) {
    case KarmaDie::None:
        return 0;
    case KarmaDie::D4:
        return 4;
    case KarmaDie::D6:
        return 6;
    case KarmaDie::D8:
        return 8;
    case KarmaDie::D10:
        return 10;
    case KarmaDie::D12:
        return 12;
    case KarmaDie::D20:
        return 20;
    }
    return 0;
}

std::string KarmaDieText(KarmaDie karma)
{
    if (karma == KarmaDie::None)
        return {};
    return std::string("D").append(std::to_string(SizeOf(karma)));
}

} // namespace MainBas::Odds
