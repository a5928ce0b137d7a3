#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// Image names are literals that start with "/" and are appended to the skin folder as they are
// (SkinFolderOf in ApplicationSettings.h builds the folder).
std::wstring SkinImagePath(std::wstring_view skinFolder, std::wstring_view imageName);

// The three looks of an element: resting, under the pointer, and the third look that the view
// buttons and the button-assignment box use.
enum class ImageState { Normal, Over, Leave };

// "/button-save" with Over gives "/button-save-over.png".
std::wstring StateImageName(std::wstring_view baseName, ImageState state);

// A numbered family's name: the format's "%d" replaced by the number ("/Lighting/%d.png", 3 gives
// "/Lighting/3.png").
std::wstring NumberedImageName(std::wstring_view format, int number);

// The report rate in Hz of a stored report-rate code: 1000 divided by the code. Only the four
// codes the mouse knows (1, 2, 4, 8) have a rate; any other code, 0 above all, has none, so a
// damaged profile file shows no dial picture instead of dividing by zero.
std::optional<int> ReportRateHz(int code);

// "/USBReportRate/%dHZ.png" for the code's rate; none for a code without a rate.
std::optional<std::wstring> ReportRateImageName(int code);

// The caption colour as a Windows COLORREF value: red in the low byte, then green, then blue.
std::uint32_t ColourRefOf(const SkinTextColour& colour);

}  // namespace ravix
