#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/platform/PortableIniFile.h"
#include "core/skin/PngPicture.h"
#include "core/skin/SkinCatalogue.h"

// The default skin drawn by tools/skin must hold every image the program can load, at the size its
// window's layout needs, and a complete description of the LED colour dialog.
#ifdef RAVIX_DEFAULT_SKIN_DIR

namespace ravix {
namespace {

const std::filesystem::path kSkin = RAVIX_DEFAULT_SKIN_DIR;

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

std::optional<std::string> Head(const std::filesystem::path& path, std::size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string head(bytes, '\0');
    if (!in.read(head.data(), static_cast<std::streamsize>(bytes))) return std::nullopt;
    return head;
}

std::uint32_t Little32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

std::optional<Size> BitmapSize(const std::filesystem::path& path) {
    const auto head = Head(path, 26);
    if (!head || head->compare(0, 2, "BM") != 0) return std::nullopt;
    return Size{static_cast<int>(Little32(*head, 18)), static_cast<int>(Little32(*head, 22))};
}

std::filesystem::path InSkin(const std::wstring& name) {
    return std::filesystem::path(kSkin.wstring() + name);
}

TEST(DefaultSkin, EveryImageOfTheCatalogueDecodesAtItsSize) {
    const auto images = AllSkinImages();
    ASSERT_GT(images.size(), 200u);
    for (const SkinImageSize& image : images) {
        const auto picture = ReadPngFile(InSkin(image.name).wstring());
        ASSERT_TRUE(picture) << std::string(image.name.begin(), image.name.end()) << " is missing or not a PNG";
        EXPECT_EQ((Size{picture->width, picture->height}), (Size{image.width, image.height}))
            << std::string(image.name.begin(), image.name.end());
    }
}

TEST(DefaultSkin, ColourDialogSheetsAndPlacements) {
    PortableIniFile ini;
    const std::wstring description = kSkin.wstring() + L"/skin_Color_Select.ini";
    ASSERT_TRUE(ini.FileExists(description));
    for (const wchar_t* key : {L"Mask", L"Normal", L"Over", L"Down", L"Disable"}) {
        const std::wstring file = ini.ReadString(description, L"SCREEN", key);
        ASSERT_FALSE(file.empty()) << "SCREEN key missing";
        const auto size = BitmapSize(std::filesystem::path(kSkin.wstring() + L"/" + file));
        ASSERT_TRUE(size) << "sheet is not a Windows bitmap";
        EXPECT_EQ(*size, (Size{kColourDialogWidth, kColourDialogHeight}));
    }
    for (int key = 1; key <= 15; ++key) {
        const std::wstring value = ini.ReadString(description, L"BUTTONPOS", std::to_wstring(key));
        const std::size_t comma = value.find(L',');
        ASSERT_NE(comma, std::wstring::npos) << key;
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_EQ(std::swscanf(value.c_str() + comma + 1, L"%d,%d,%d,%d", &x, &y, &w, &h), 4) << key;
        EXPECT_GT(w, 0) << key;
        EXPECT_GT(h, 0) << key;
        EXPECT_GE(x, 0) << key;
        EXPECT_GE(y, 0) << key;
        EXPECT_LE(x + w, kColourDialogWidth) << key;
        EXPECT_LE(y + h, kColourDialogHeight) << key;
    }
    // The spin fields' edit controls fill a 57 x 17 field.
    for (int key = 4; key <= 6; ++key) {
        const std::wstring value = ini.ReadString(description, L"BUTTONPOS", std::to_wstring(key));
        EXPECT_NE(value.find(L",57,17,"), std::wstring::npos) << key;
    }
}

}  // namespace
}  // namespace ravix

#endif
