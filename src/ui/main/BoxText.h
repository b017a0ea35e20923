#pragma once

#include <QString>

#include <string>

class QPlainTextEdit;

namespace MainBas {

// Commands build their texts with CR LF line breaks, as the files hold them; Qt's
// text widgets use "\n". These two are the only places where one becomes the other.
void SetBoxText(QPlainTextEdit *box, const QString &text);
QString BoxText(const QPlainTextEdit *box);

// Adds text at the end of a box, leaving what it shows untouched and nothing to undo.
void AppendBoxText(QPlainTextEdit *box, const QString &text);

// Number texts from the text layer, which are plain ASCII.
inline QString FromAscii(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString &text)
{
    return text.toStdU16String();
}

} // namespace MainBas
