#include "core/dialogs/HelpWindow.h"

namespace ravix {
PixelRect HelpRegionRect(HelpRegion region) {
    for (const auto& place : kHelpRegions)
        if (place.region == region) return place.rect;
    return {};
}

HelpRegion HelpRegionAt(PixelPoint point) {
    if (HelpRegionRect(HelpRegion::Close).Contains(point)) return HelpRegion::Close;
    for (const auto& place : kHelpRegions)
        if (place.rect.Contains(point)) return place.region;
    return HelpRegion::None;
}

std::wstring_view UpdaterRelativePath(unsigned architecture) {
    constexpr unsigned kAmd64 = 9, kItanium = 6;
    return architecture == kAmd64 || architecture == kItanium ? L"Update/X64/FwUpdate.exe"
                                                              : L"Update/X86/FwUpdate.exe";
}

std::wstring UpdaterMissingMessage(std::wstring_view path) {
    return L"The driver updater could not be found:\n" + std::wstring(path) +
           L"\n\nReinstall the program to restore it.";
}

std::wstring UpdaterFailedMessage(std::wstring_view path, long code) {
    return L"The driver updater could not be started (error " + std::to_wstring(code) + L"):\n" +
           std::wstring(path);
}

}  // namespace ravix
