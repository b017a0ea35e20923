#pragma once

#include "OddsText.h"

#include <QLocale>

namespace MainBas {

// The figures of the user's locale, whatever the C library's locale is set to.
inline Odds::NumberStyle LocaleNumberStyle()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace MainBas
