#include "core/dialogs/ColourSelectSkin.h"

#include <algorithm>
#include <cwctype>
#include <optional>

#include "core/skin/SkinCatalogue.h"

namespace ravix {
namespace {

// Placements are in dialog pixels; anything beyond this cannot be a screen position.
constexpr long long kCoordinateLimit = 32767;

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal integer at the start of `text`, after blanks, as "%d" reads it; the text is advanced.
std::optional<long long> ReadNumber(std::wstring_view& text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::iswdigit(text.front())) return std::nullopt;
    long long value = 0;
    while (!text.empty() && std::iswdigit(text.front())) {
        value = std::min(value * 10 + (text.front() - L'0'), kCoordinateLimit * 10);
        text.remove_prefix(1);
    }
    return negative ? -value : value;
}

// "x,y,width,height" at the start of `text`.
std::optional<PixelRect> ReadRectangle(std::wstring_view text) {
    long long n[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != L',') return std::nullopt;
            text.remove_prefix(1);
        }
        const auto number = ReadNumber(text);
        if (!number) return std::nullopt;
        n[i] = *number;
    }
    const auto inside = [](long long v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; };
    if (n[2] < 1 || n[3] < 1 || !inside(n[0]) || !inside(n[1]) || !inside(n[0] + n[2]) || !inside(n[1] + n[3]))
        return std::nullopt;
    const auto i = [](long long v) { return static_cast<int>(v); };
    return PixelRect{i(n[0]), i(n[1]), i(n[0] + n[2]), i(n[1] + n[3])};
}

}  // namespace

std::wstring_view ColourSheetKey(ColourSheet sheet) {
    constexpr std::wstring_view kKeys[] = {L"Mask", L"Normal", L"Over", L"Down", L"Disable"};
    return kKeys[static_cast<std::size_t>(sheet)];
}

ControlPlacement ParsePlacement(std::wstring_view value) {
    ControlPlacement placement;
    const std::size_t firstComma = value.find(L',');
    if (firstComma == std::wstring_view::npos) {
        placement.faulty = true;
        return placement;
    }
    const std::size_t lastComma = value.rfind(L',');
    const auto rect = ReadRectangle(value.substr(firstComma + 1));
    placement.rect = rect.value_or(PixelRect{});
    placement.faulty = !rect || Trimmed(value.substr(0, firstComma)).size() > kPlacementNameLimit ||
                       Trimmed(value.substr(lastComma + 1)).size() > kPlacementLabelLimit;
    return placement;
}

ColourSelectSkin ReadColourSelectSkin(const IniFile& ini, const std::wstring& skinFolder) {
    ColourSelectSkin skin;
    skin.descriptionPath = skinFolder + L"/" + std::wstring(kColourDialogDescription);
    const auto screen = ini.ReadSection(skin.descriptionPath, L"SCREEN");
    for (std::size_t i = 0; i < kColourSheetCount; ++i) {
        const std::wstring name = FindIniValue(screen, ColourSheetKey(static_cast<ColourSheet>(i)));
        if (name.empty())
            skin.faulty = true;
        else
            skin.sheetPaths[i] = skinFolder + L"/" + name;
    }
    const auto positions = ini.ReadSection(skin.descriptionPath, L"BUTTONPOS");
    for (std::size_t i = 0; i < kColourControlCount; ++i) {
        const ControlPlacement placement = ParsePlacement(FindIniValue(positions, std::to_wstring(i + 1)));
        skin.placements[i] = placement.rect;
        skin.faulty = skin.faulty || placement.faulty;
    }
    return skin;
}

std::wstring ColourSkinFaultMessage(const std::vector<std::wstring>& wrongFiles) {
    std::wstring text = L"The colour dialog's skin is incomplete, so some of its parts are not shown.\n"
                        L"Missing or damaged:";
    for (const auto& file : wrongFiles) text += L"\n" + file;
    return text;
}

}  // namespace ravix
