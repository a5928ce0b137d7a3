// libFuzzer target: any "skin_Color_Select.ini" gives the colour dialog a description it can use:
// every placement is either empty or a rectangle of at least one pixel inside the coordinate range,
// every sheet path lies in the skin folder, and a missing sheet or a bad placement marks it faulty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "DocumentIniFile.h"
#include "core/dialogs/ColourSelectSkin.h"

namespace {

constexpr int kCoordinateLimit = 32767;

bool Usable(const ravix::PixelRect& rect) {
    if (rect == ravix::PixelRect{}) return true;
    const auto inside = [](int v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; };
    return rect.Width() >= 1 && rect.Height() >= 1 && inside(rect.left) && inside(rect.top) &&
           inside(rect.right) && inside(rect.bottom);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix;
    const std::wstring folder = L"C:\\Ravix\\Skins\\Default";
    const DocumentIniFile ini(IniDocument::Parse(std::span(data, size)));
    const ColourSelectSkin skin = ReadColourSelectSkin(ini, folder);

    bool sheetMissing = false;
    for (const std::wstring& path : skin.sheetPaths) {
        if (path.empty())
            sheetMissing = true;
        else if (path.compare(0, folder.size() + 1, folder + L"/") != 0)
            std::abort();
    }
    if (sheetMissing && !skin.faulty) std::abort();

    bool placementEmpty = false;
    for (const PixelRect& rect : skin.placements) {
        if (!Usable(rect)) std::abort();
        placementEmpty = placementEmpty || rect.Empty();
    }
    // An empty rectangle only comes from a value that is faulty.
    if (placementEmpty && !skin.faulty) std::abort();
    (void)ColourSkinFaultMessage({skin.descriptionPath});
    return 0;
}
