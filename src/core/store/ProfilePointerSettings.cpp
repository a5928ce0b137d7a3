#include "core/store/ProfilePointerSettings.h"

#include <algorithm>

namespace ravix {
namespace {

int ClampedDialPosition(std::uint8_t position) {
    return std::clamp<int>(position, kLowestDialPosition, kHighestDialPosition);
}

}  // namespace

int PointerSpeedFor(std::uint8_t position) {
    const int dial = ClampedDialPosition(position);
    return dial == 1 ? 1 : 2 * dial - 2;
}

std::uint32_t WheelScrollAmountFor(const ProfileSettings& settings) {
    if (settings.wheelScrollsScreen != 0) return PointerSettings::kWheelScrollPage;
    return static_cast<std::uint32_t>(std::clamp<int>(settings.wheelScrollLines, 1, kMostWheelScrollLines));
}

std::uint32_t DoubleClickTimeFor(std::uint8_t position) {
    return static_cast<std::uint32_t>(900 - (ClampedDialPosition(position) - 1) * 70);
}

void ApplyPointerSettings(const ProfileSettings& settings, PointerSettings& pointer, Notifier& notifier) {
    const std::wstring caption = L"Warning";
    const bool precise = settings.enhancePointerPrecision == 1;
    if (!pointer.SetMouse(precise ? 6 : 0, precise ? 10 : 0, precise ? 1 : 0)) {
        notifier.ShowMessage(L"SETMOUSE failed.", caption);
    }
    if (!pointer.SetMouseSpeed(PointerSpeedFor(settings.pointerSpeed))) {
        notifier.ShowMessage(L"SETMOUSESPEED failed.", caption);
    }
    if (!pointer.SetWheelScrollLines(WheelScrollAmountFor(settings))) {
        notifier.ShowMessage(L"SETWHEELSCROLLLINES failed.", caption);
    }
    if (!pointer.SetDoubleClickTime(DoubleClickTimeFor(settings.doubleClickSpeed))) {
        notifier.ShowMessage(L"SPI_SETDOUBLECLICKTIME failed.", caption);
    }
}

}  // namespace ravix
