// The scrambling of the configuration file (the JJMI routines): hexadecimal
// groups XOR-ed with two fixed key bytes, behind a header window that gives
// the payload length, and the inverse used to write such a file.
#pragma once

#include <cstdint>

#include "common/text.h"

namespace order_service {

using common::Text;

// The component's two key bytes. Configuration files in use were written with
// these values; changing them makes every existing file unreadable.
inline constexpr uint8_t kCfgKey1 = 0x5A;  // XOR-ed into each character's low byte
inline constexpr uint8_t kCfgKey2 = 0xC3;  // XOR-ed into each character's high byte

// Layout of the scrambled line: the header window is ten characters from
// position 2079 (1-based) and holds "S", the payload length, "E".
inline constexpr long kCfgWindowStart = 2079;
inline constexpr long kCfgWindowLength = 10;
// Longest text HexXorDecode accepts, and so the longest payload in characters.
inline constexpr long kHexXorMaxText = 32767;
inline constexpr long kCfgMaxPayloadChars = kHexXorMaxText / 4;

// Groups of four hexadecimal digits (low byte XOR k1, high byte XOR k2) to
// text. Empty as a whole when any group cannot be read or text is too long.
Text HexXorDecode(std::u16string_view text, uint8_t k1, uint8_t k2);
// The inverse: four uppercase hexadecimal digits per character.
Text HexXorEncode(std::u16string_view text, uint8_t k1, uint8_t k2);

// HexXorDecode with the component's key bytes.
Text DecodeText(std::u16string_view text);

// The configuration text hidden in a scrambled line; empty when the header
// window or the payload cannot be read.
Text DecodeCfgLine(std::u16string_view line);

// A scrambled line that DecodeCfgLine turns back into text. `seed` varies the
// filler around the payload. Throws std::invalid_argument when text is longer
// than kCfgMaxPayloadChars.
Text EncodeCfgLine(std::u16string_view text, uint32_t seed = 1);

}  // namespace order_service
