#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// The skin folder the main window draws from, and the main pictures that failed on the way to it.
struct SkinFolderChoice {
    std::wstring folder;
    std::vector<std::wstring> failedFiles;  // in the order tried
};

// The skin named by "Path" (kept inside "Skins") when its main picture loads; otherwise
// "Skins/Default", the skin the program is shipped with, when that one loads. When neither does,
// the configured folder stays. `loads` tells whether a picture file can be loaded.
SkinFolderChoice ChooseSkinFolder(std::wstring_view executablePath, std::wstring_view pathKey,
                                  const std::function<bool(const std::wstring& file)>& loads);

// What the user is told about a choice: which skin file could not be loaded and what is shown
// instead; empty when nothing failed.
std::wstring SkinFailureMessage(const SkinFolderChoice& choice);

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
