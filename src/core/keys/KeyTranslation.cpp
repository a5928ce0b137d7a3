#include "core/keys/KeyTranslation.h"

#include "core/keys/KeyCodeTable.h"
#include "core/keys/KeyNames.h"

namespace ravix {
namespace {

const KeyCodeRow* RowOfVirtualKey(std::uint32_t virtualKey) {
    for (const auto& row : KeyCodeTable)
        if (row.virtualKey == virtualKey) return &row;
    return nullptr;
}

const KeyCodeRow* RowOfCode(KeyCode code) {
    for (const auto& row : KeyCodeTable)
        if (row.keyCode == code) return &row;
    return nullptr;
}

const KeyCodeRow* RowOfScanCode(std::uint32_t scanCode) {
    if (scanCode == 0) return nullptr;  // rows without a position carry 0
    for (const auto& row : KeyCodeTable)
        if (row.scanCode == scanCode) return &row;
    return nullptr;
}

bool IsPositional(std::uint32_t code) {
    return code >= kFirstPositionalCode && code <= kLastPositionalCode;
}

}  // namespace

std::optional<KeyCode> VirtualKeyToCode(std::uint32_t virtualKey, const KeyboardLayout& layout) {
    const KeyCodeRow* row = RowOfVirtualKey(virtualKey);
    if (row == nullptr) return std::nullopt;
    const auto code = static_cast<KeyCode>(row->keyCode);
    if (!IsPositional(code)) return code;
    const KeyCodeRow* atPosition = RowOfScanCode(layout.VirtualKeyToScanCode(virtualKey));
    return atPosition != nullptr ? static_cast<KeyCode>(atPosition->keyCode) : code;
}

std::optional<std::uint32_t> CodeToVirtualKey(KeyCode code, const KeyboardLayout& layout) {
    const KeyCodeRow* row = RowOfCode(code);
    if (row == nullptr) return std::nullopt;
    if (!IsPositional(code)) return row->virtualKey;
    const std::uint32_t virtualKey = layout.ScanCodeToVirtualKey(row->scanCode);
    if (virtualKey == 0) return std::nullopt;
    return virtualKey;
}

std::wstring CodeToKeyName(KeyCode code, const KeyboardLayout& layout) {
    if (code < kFirstPositionalCode || code > kLastLayoutNamedCode) return std::wstring(DisplayName(code));
    const auto virtualKey = CodeToVirtualKey(code, layout);
    return virtualKey ? VirtualKeyToName(*virtualKey, layout) : std::wstring();
}

std::wstring VirtualKeyToName(std::uint32_t virtualKey, const KeyboardLayout& layout) {
    if (const auto fixed = FixedVirtualKeyName(virtualKey); !fixed.empty()) return std::wstring(fixed);
    const auto character = layout.UnshiftedCharacter(virtualKey, layout.VirtualKeyToScanCode(virtualKey));
    if (!character) return {};
    // The name is one 8-bit character; letters are shown in upper case.
    auto low = static_cast<wchar_t>(*character & 0xFF);
    if (low >= L'a' && low <= L'z') low = static_cast<wchar_t>(low - L'a' + L'A');
    if (low == 0) return {};
    return std::wstring(1, low);
}

}  // namespace ravix
