#pragma once

#include "BoxText.h"
#include "NumberForms.h"

#include <QString>

#include <cstdint>

namespace MainBas {

// The line end of every text the commands build, as the files hold it.
inline const QString CrLf = QStringLiteral("\r\n");

// " 15" and "-1": the number form of totals, sums and report columns.
inline QString BlankSignedText(std::int64_t value)
{
    return FromAscii(BlankSigned(value));
}

// The text with the blanks at either end removed; tabs and other white space stay,
// since only blanks are padding in the boxes and the sample count.
QString WithoutOuterBlanks(const QString &text);

} // namespace MainBas
