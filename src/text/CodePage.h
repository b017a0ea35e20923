#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace MainBas {

// The single-byte code page of the data files: Windows-1252, with its five unused
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) standing for the code points of the same
// value, so that every byte survives a load and a save unchanged.

std::u16string DecodeSingleByte(std::string_view bytes);

// The position of the first UTF-16 unit that the code page cannot hold, if any.
std::optional<std::size_t> FirstUnencodable(std::u16string_view text);

// Encodes text; a character the code page cannot hold raises a run-time error
// naming it, so nothing half-encoded is ever written.
std::string EncodeSingleByte(std::u16string_view text);

} // namespace MainBas
