#include "CodePage.h"

#include "RuntimeError.h"

#include <array>
#include <cstdio>

namespace MainBas {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? High[byte - 0x80] : char16_t {byte};
}

std::optional<unsigned char> encodeUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string toUtf8(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string describeCharacter(std::u16string_view text, std::size_t pos)
{
    char32_t code = text[pos];
    const bool pair = code >= 0xD800 && code <= 0xDBFF && pos + 1 < text.size()
        && text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
    if (pair)
        code = 0x10000 + ((code - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "U+%04X", static_cast<unsigned>(code));
    const bool loneSurrogate = code >= 0xD800 && code <= 0xDFFF;
    std::string message = "The character ";
    if (!loneSurrogate)
        message.append("\"").append(toUtf8(code)).append("\" ");
    return message.append("(").append(codeText).append(
        ") cannot be stored in a single-byte text file.");
}

} // namespace

std::u16string DecodeSingleByte(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += decodeByte(static_cast<unsigned char>(byte));
    return text;
}

std::optional<std::size_t> FirstUnencodable(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!encodeUnit(text[i]))
            return i;
    }
    return std::nullopt;
}

std::string EncodeSingleByte(std::u16string_view text)
{
    if (const auto bad = FirstUnencodable(text))
        throw RuntimeError(InvalidArgument, {}, describeCharacter(text, *bad));
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text)
        bytes += static_cast<char>(*encodeUnit(unit));
    return bytes;
}

} // namespace MainBas
