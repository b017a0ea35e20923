#pragma once

#include "BoxText.h"
#include "NumberForms.h"

#include <QString>

#include <cstdint>

namespace MainBas {

// The line end of every text the commands build, as the files hold it.
inline const QString CrLf = QStringLiteral("\r\n");

// " 15" and "-1": the number form of report columns.
inline QString BlankSignedText(std::int64_t value)
{
    return FromAscii(BlankSigned(value));
}

} // namespace MainBas
