#include "core/skin/SkinCatalogue.h"

#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

void AddStates(std::vector<SkinImageSize>& list, const wchar_t* base, int width, int height,
               bool withLeave = false) {
    list.push_back({StateImageName(base, ImageState::Normal), width, height});
    list.push_back({StateImageName(base, ImageState::Over), width, height});
    if (withLeave) list.push_back({StateImageName(base, ImageState::Leave), width, height});
}

struct OverlaySize {
    int width, height;
};

// The button overlays of the mouse picture, buttons 1..8; the main window places them over the
// picture of their view.
constexpr OverlaySize kFrontOverlays[8] = {{94, 62},  {94, 62},  {136, 25}, {143, 25},
                                           {143, 25}, {136, 25}, {65, 25},  {71, 25}};
constexpr OverlaySize kSideOverlays[8] = {{107, 25}, {102, 58}, {73, 25},  {141, 25},
                                          {154, 25}, {49, 25},  {118, 25}, {120, 25}};

void AddOverlays(std::vector<SkinImageSize>& list) {
    for (int k = 1; k <= 8; ++k) {
        const OverlaySize& f = kFrontOverlays[k - 1];
        const OverlaySize& s = kSideOverlays[k - 1];
        AddStates(list, (L"/Mouse/Front/F-" + std::to_wstring(k)).c_str(), f.width, f.height);
        AddStates(list, (L"/Mouse/Side/S-" + std::to_wstring(k)).c_str(), s.width, s.height);
    }
    // The back view of the wheel's up and down movements has no place of its own in the layout;
    // its overlays match the front view's.
    for (int k : {4, 5}) {
        const OverlaySize& f = kFrontOverlays[k - 1];
        AddStates(list, (L"/Mouse/Back/B-" + std::to_wstring(k)).c_str(), f.width, f.height);
    }
}

std::vector<SkinImageSize> MakeSingleImages() {
    std::vector<SkinImageSize> list = {
        {L"/main.png", 1000, 640},
        {L"/Logo.png", 242, 70},
        {L"/Bar1.png", 7, 563},
        {L"/Bar3.png", 7, 563},
        {L"/ItemBK.png", 242, 20},
        {L"/MacroManagementBK.png", 242, 38},
        {L"/BK_MainLeft.png", 242, 491},
        {L"/BK_MainMid.png", 472, 418},
        {L"/BK_MainRight.png", 242, 563},
        {L"/Mouse/Front/MouseFront.png", 268, 380},
        {L"/Mouse/Side/MouseSide.png", 220, 380},
        {L"/ButtonAssignment/BK_ButtonAssignment.png", 242, 193},
        {L"/XYSensitivity/BK_XYSensSetting.png", 242, 130},
        {L"/DPISetting/BK_DPISetting.png", 242, 228},
        {L"/DPISetting/BK-DPIValue.png", 40, 16},
        {L"/Lighting/BK_Lighting.png", 242, 108},
        {L"/Enable.png", 10, 9},
        {L"/Disable.png", 10, 9},
        {L"/USBReportRate/BK_USBReportRate.png", 242, 140},
        {L"/MouseAttribute/BK_MouseAttribute.png", 242, 113},
        {L"/MouseAttribute/BK_ScrollSpeed.png", 242, 72},
        {L"/MouseAttribute/ScrollSpeed/Enable.png", 12, 12},
        {L"/MouseAttribute/ScrollSpeed/Disable.png", 12, 12},
        {L"/MouseAttribute/ScrollSpeed/ScrollLines.png", 36, 14},
        {L"/AngleSnap/BK_AngleSnap.png", 242, 135},
        {L"/Config/Config.png", 263, 598},
        {L"/Config/New-Config.png", 12, 12},
        {L"/combo-key.png", 380, 285},
        {L"/single-key.png", 380, 285},
        {L"/macro-key.png", 380, 285},
        {L"/Help/HelpWindow.png", 380, 285},
        {L"/Pane.png", 16, 16},
        {L"/PaneMakingTick.png", 16, 16},
        {L"/MacroManagement/MacroManagement.png", 490, 435},
        {L"/MacroManagement/Pane.png", 14, 14},
        {L"/MacroManagement/PaneMakingTick.png", 14, 14},
        {L"/MacroManagement/Record-normal.png", 89, 24},
    };
    AddStates(list, L"/button-min", 15, 15);
    AddStates(list, L"/button-close", 15, 15);
    AddStates(list, L"/button-help", 15, 15);
    AddStates(list, L"/button-config", 72, 30);
    AddStates(list, L"/button-save", 57, 30);
    AddStates(list, L"/button-cancel", 57, 30);
    list.push_back({StateImageName(L"/button-mouse", ImageState::Normal), 62, 29});
    list.push_back({StateImageName(L"/button-mouse", ImageState::Leave), 62, 29});
    AddOverlays(list);
    AddStates(list, L"/ButtonAssignment/DropdownBox", 130, 16, true);
    AddStates(list, L"/MacroManagement/button-new", 58, 25);
    AddStates(list, L"/MacroManagement/button-cancel", 54, 28);
    AddStates(list, L"/Insert-Macro", 58, 25);
    AddStates(list, L"/macro-button-close", 51, 24);
    return list;
}

std::vector<NumberedImageFamily> MakeNumberedImages() {
    return {
        {L"/StageSlider/%d.png", Range(1, 10), 208, 9},
        {L"/DPISetting/DPIStage/%d.png", Range(1, 100), 10, 113},
        {L"/Lighting/%d.png", Range(1, 5), 128, 8},
        {L"/USBReportRate/%dHZ.png", {125, 250, 500, 1000}, 128, 128},
        // Positions 2 to 11 come from the dial; 1 is accepted from profile files.
        {L"/MouseAttribute/Speed/%d.png", Range(1, 11), 142, 83},
        {L"/AngleSnap/%d.png", Range(1, 10), 207, 85},
    };
}

}  // namespace

std::vector<SkinImageSize> SingleSkinImages() { return MakeSingleImages(); }

std::vector<NumberedImageFamily> NumberedSkinImages() { return MakeNumberedImages(); }

std::vector<SkinImageSize> AllSkinImages() {
    std::vector<SkinImageSize> all = SingleSkinImages();
    for (const NumberedImageFamily& family : NumberedSkinImages())
        for (int n : family.numbers)
            all.push_back({NumberedImageName(family.format, n), family.width, family.height});
    return all;
}

SkinImageSize SkinImageSizeOf(std::wstring_view name) {
    for (const SkinImageSize& image : AllSkinImages())
        if (image.name == name) return image;
    return {std::wstring(name), 0, 0};
}

}  // namespace ravix
