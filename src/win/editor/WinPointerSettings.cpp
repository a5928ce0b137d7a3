#include "win/editor/WinPointerSettings.h"

#include <windows.h>

namespace ravix::win {

bool WinPointerSettings::SetMouse(int threshold1, int threshold2, int acceleration) {
    int values[3] = {threshold1, threshold2, acceleration};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values, SPIF_SENDCHANGE) != FALSE;
}

bool WinPointerSettings::SetMouseSpeed(int speed) {
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                 SPIF_SENDCHANGE) != FALSE;
}

bool WinPointerSettings::SetWheelScrollLines(std::uint32_t lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool WinPointerSettings::SetDoubleClickTime(std::uint32_t milliseconds) {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace ravix::win
