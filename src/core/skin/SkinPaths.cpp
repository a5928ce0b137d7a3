#include "core/skin/SkinPaths.h"

namespace ravix {

std::wstring SkinImagePath(std::wstring_view skinFolder, std::wstring_view imageName) {
    return std::wstring(skinFolder) + std::wstring(imageName);
}

std::wstring StateImageName(std::wstring_view baseName, ImageState state) {
    const wchar_t* suffix = L"-normal.png";
    if (state == ImageState::Over) suffix = L"-over.png";
    if (state == ImageState::Leave) suffix = L"-leave.png";
    return std::wstring(baseName) + suffix;
}

std::wstring NumberedImageName(std::wstring_view format, int number) {
    std::wstring name(format);
    const std::size_t at = name.find(L"%d");
    if (at != std::wstring::npos) name.replace(at, 2, std::to_wstring(number));
    return name;
}

std::optional<int> ReportRateHz(int code) {
    if (code != 1 && code != 2 && code != 4 && code != 8) return std::nullopt;
    return 1000 / code;
}

std::optional<std::wstring> ReportRateImageName(int code) {
    const std::optional<int> hz = ReportRateHz(code);
    if (!hz) return std::nullopt;
    return NumberedImageName(L"/USBReportRate/%dHZ.png", *hz);
}

std::uint32_t ColourRefOf(const SkinTextColour& colour) {
    return static_cast<std::uint32_t>(colour.red) | (static_cast<std::uint32_t>(colour.green) << 8) |
           (static_cast<std::uint32_t>(colour.blue) << 16);
}

}  // namespace ravix
