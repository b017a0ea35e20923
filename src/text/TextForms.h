#pragma once

#include "NumberForms.h"

#include <QString>

#include <cstdint>
#include <string>

namespace MainBas {

// The pieces every text the program shows is built from, reports and commands alike.

// The line end of every text the commands build, as the files hold it.
inline const QString CrLf = QStringLiteral("\r\n");

// Number texts from the text layer, which are plain ASCII.
inline QString FromAscii(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString &text)
{
    return text.toStdU16String();
}

// " 15" and "-1": the number form of totals, sums and report columns.
inline QString BlankSignedText(std::int64_t value)
{
    return FromAscii(BlankSigned(value));
}

// The text with the blanks at either end removed; tabs and other white space stay,
// since only blanks are padding in the boxes and the sample count.
QString WithoutOuterBlanks(const QString &text);

} // namespace MainBas
