#pragma once

#include <string>
#include <string_view>

#include "core/dialogs/ColourControls.h"

namespace ravix {

// The help window's regions, in its client area.
enum class HelpRegion { None, WebSite, Update, Version, Ok, Cancel, Close };

struct HelpRegionPlace {
    HelpRegion region;
    PixelRect rect;
};
inline constexpr HelpRegionPlace kHelpRegions[] = {
    {HelpRegion::WebSite, {0, 0, 166, 25}}, {HelpRegion::Update, {0, 26, 166, 49}},
    {HelpRegion::Version, {0, 50, 166, 77}}, {HelpRegion::Ok, {250, 250, 308, 275}},
    {HelpRegion::Cancel, {314, 250, 372, 275}}, {HelpRegion::Close, {352, 6, 370, 24}},
};
PixelRect HelpRegionRect(HelpRegion region);

// The region under a point; the close button wins where it overlaps another.
HelpRegion HelpRegionAt(PixelPoint point);

// Where the help window sits in the main window's client area.
inline constexpr PixelPoint kHelpWindowPlace{786, 25};

// The address the web-site line shows and opens: under a domain reserved for examples, so that it
// can never lead a user to somebody else's site.
inline constexpr std::wstring_view kWebSiteAddress = L"https://www.example.com/velmar";

// The updater beside the program for the machine's native processor architecture (as the system
// reports it: 9 for x64, 6 for Itanium are 64-bit).
std::wstring_view UpdaterRelativePath(unsigned architecture);

// What the user is told when the updater cannot be started.
std::wstring UpdaterMissingMessage(std::wstring_view path);
std::wstring UpdaterFailedMessage(std::wstring_view path, long code);

}  // namespace ravix
