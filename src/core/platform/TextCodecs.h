#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// Conversions between the program's wide strings and the byte encodings its files use. A wide
// string holds UTF-16 where wchar_t is 16 bits wide and UTF-32 elsewhere; both directions handle
// either, so a file written on one system reads the same on the other.

std::string Utf8FromWide(std::wstring_view text);

// Nothing when `bytes` is not well-formed UTF-8.
std::optional<std::wstring> WideFromUtf8(std::string_view bytes);

// Little-endian UTF-16 code units as bytes, without a byte-order mark.
std::vector<std::uint8_t> Utf16LeFromWide(std::wstring_view text);

// Decodes UTF-16 bytes (no byte-order mark); a trailing odd byte and unpaired surrogates become U+FFFD.
std::wstring WideFromUtf16(std::span<const std::uint8_t> bytes, bool bigEndian);

// 8-bit text of unknown code page: decoded as Windows-1252, the common Western default.
std::wstring WideFromAnsi(std::string_view bytes);

}  // namespace ravix
