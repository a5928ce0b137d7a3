// The captions' fonts as the windows create them, drawn under the platform's font substitution.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/app/TextCatalogue.h"
#include "win/app/CaptionFont.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {
namespace {

constexpr int kCell = 24;

// One character drawn black on white with `font`, as rows of pixels.
class Rendering {
public:
    Rendering(HFONT font, const std::wstring& text) : m_width(kCell * static_cast<int>(text.size())) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const UniqueDc memory(CreateCompatibleDC(nullptr));
        const HDC dc = memory.Get();
        const UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const SelectedObject selectedBitmap(dc, bitmap.Get());
        const SelectedObject selectedFont(dc, font);
        RECT all{0, 0, m_width, kCell};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        for (std::size_t i = 0; i < text.size(); ++i) {
            RECT cell{static_cast<int>(i) * kCell, 0, static_cast<int>(i + 1) * kCell, kCell};
            DrawTextW(dc, &text[i], 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        m_pixels.assign(pixels, pixels + m_width * kCell);
    }

    // The pixels of character `index`.
    std::vector<std::uint32_t> Cell(std::size_t index) const {
        std::vector<std::uint32_t> cell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) cell.push_back(m_pixels[y * m_width + static_cast<int>(index) * kCell + x]);
        return cell;
    }

    // For a look at the result: RAVIX_SAVE_RENDERING=folder saves it there as a bitmap file.
    void SaveIfAsked(const char* name) const {
        const char* folder = std::getenv("RAVIX_SAVE_RENDERING");
        if (!folder) return;
        BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
        BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), m_width, -kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        file.bfSize = file.bfOffBits + static_cast<DWORD>(m_pixels.size() * 4);
        const std::string path = std::string(folder) + "\\" + name;
        if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
            std::fwrite(&file, sizeof(file), 1, out);
            std::fwrite(&header, sizeof(header), 1, out);
            std::fwrite(m_pixels.data(), 4, m_pixels.size(), out);
            std::fclose(out);
        }
    }

private:
    int m_width;
    std::vector<std::uint32_t> m_pixels;
};

bool Blank(const std::vector<std::uint32_t>& cell) {
    for (std::uint32_t pixel : cell)
        if ((pixel & 0xFFFFFF) != 0xFFFFFF) return false;
    return true;
}

TEST(CaptionFont, SimplifiedChineseCaptionsRenderAsCharactersNotBoxes) {
    const TextCatalogue texts = TextCatalogueFor(Language::SimplifiedChinese);
    const UniqueFont font(CaptionFont(FontWindow::MainWindow, Language::SimplifiedChinese, ReportedOsVersion()));
    ASSERT_NE(font.Get(), nullptr);
    // U+0378 is no character at all: every font draws its missing-glyph box for it.
    const std::wstring text = texts.buttonAssignmentTitle + texts.exit + L"\u0378";
    ASSERT_EQ(text, L"按钮分配退出\u0378");
    const Rendering rendering(font.Get(), text);
    rendering.SaveIfAsked("caption-chs.bmp");

    const std::vector<std::uint32_t> box = rendering.Cell(text.size() - 1);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto glyph = rendering.Cell(i);
        EXPECT_FALSE(Blank(glyph)) << "character " << i << " is not drawn";
        EXPECT_NE(glyph, box) << "character " << i << " is drawn as the missing-glyph box";
        if (i > 0) {
            EXPECT_NE(glyph, rendering.Cell(i - 1)) << "characters " << i - 1 << " and " << i << " look alike";
        }
    }
}

TEST(CaptionFont, CreatesTheFaceItWasAskedFor) {
    const FontChoice choice = CaptionFont(FontWindow::MainWindow, Language::TraditionalChinese, OsVersion{6, 1});
    const UniqueFont font(choice);
    LOGFONTW made{};
    ASSERT_NE(GetObjectW(font.Get(), sizeof(made), &made), 0);
    EXPECT_EQ(std::wstring(made.lfFaceName), L"黑体");
    EXPECT_EQ(made.lfHeight, 14);
    EXPECT_EQ(made.lfWeight, 400);
    EXPECT_EQ(made.lfPitchAndFamily, 0x20);
}

}  // namespace
}  // namespace ravix::win
