#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/skin/PngPicture.h"
#include "tests/fakes/PngWriter.h"

namespace ravix {
namespace {

using Bytes = std::vector<std::uint8_t>;

test_support::PngContent Content(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth,
                                 std::uint8_t colourType, std::uint8_t interlace, Bytes rows, Bytes palette = {},
                                 Bytes transparency = {}) {
    return {width, height, bitDepth, colourType, interlace, std::move(rows), std::move(palette),
            std::move(transparency)};
}

Bytes MakePng(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth, std::uint8_t colourType,
              std::uint8_t interlace, Bytes rows) {
    return test_support::MakePng(Content(width, height, bitDepth, colourType, interlace, std::move(rows)));
}

TEST(DecodePng, EveryColourTypeBecomesBlueGreenRedAlpha) {
    struct Case {
        const char* what;
        test_support::PngContent content;
        Bytes bgra;
        bool alpha;
    } cases[] = {
        {"RGB", Content(2, 1, 8, 2, 0, {0, 10, 20, 30, 40, 50, 60}), {30, 20, 10, 255, 60, 50, 40, 255}, false},
        {"RGBA", Content(2, 1, 8, 6, 0, {0, 1, 2, 3, 128, 4, 5, 6, 255}), {3, 2, 1, 128, 6, 5, 4, 255}, true},
        {"RGBA, all opaque", Content(1, 1, 8, 6, 0, {0, 1, 2, 3, 255}), {3, 2, 1, 255}, false},
        {"palette, first entry transparent",
         Content(2, 1, 8, 3, 0, {0, 0, 1}, {255, 0, 0, 0, 0, 255}, {0}),
         {0, 0, 255, 0, 255, 0, 0, 255},
         true},
        {"grey, 16 bits keep their high byte", Content(1, 1, 16, 0, 0, {0, 0xAB, 0xCD}), {0xAB, 0xAB, 0xAB, 255}, false},
        {"grey and alpha", Content(1, 1, 8, 4, 0, {0, 7, 0}), {7, 7, 7, 0}, true},
        {"a row filtered by its left neighbour", Content(2, 1, 8, 2, 0, {1, 10, 20, 30, 30, 30, 30}),
         {30, 20, 10, 255, 60, 50, 40, 255}, false},
        // Two by two, interlaced: (0,0) in the first pass, (1,0) in the sixth, the second row in
        // the seventh.
        {"interlaced", Content(2, 2, 8, 0, 1, {0, 1, 0, 2, 0, 3, 4}), {1, 1, 1, 255, 2, 2, 2, 255, 3, 3, 3, 255, 4, 4, 4, 255},
         false},
    };
    for (const Case& c : cases) {
        const auto picture = DecodePng(test_support::MakePng(c.content));
        ASSERT_TRUE(picture) << c.what;
        EXPECT_EQ(picture->width, static_cast<int>(c.content.width)) << c.what;
        EXPECT_EQ(picture->height, static_cast<int>(c.content.height)) << c.what;
        EXPECT_EQ(Bytes(picture->Bgra().begin(), picture->Bgra().end()), c.bgra) << c.what;
        EXPECT_EQ(picture->alpha, c.alpha) << c.what;
    }
}

// An empty image-data chunk is allowed; the decoder must not copy its nothing into a block it has
// not allocated (the sanitizer run catches that), and the header alone must tell the same size.
// In the palette picture the empty chunk comes before the palette.
TEST(DecodePng, EmptyImageDataChunksAreSkipped) {
    struct Case {
        const char* what;
        Bytes file;
        Bytes bgra;
    } cases[] = {
        {"RGB", MakePng(2, 1, 8, 2, 0, {0, 10, 20, 30, 40, 50, 60}), {30, 20, 10, 255, 60, 50, 40, 255}},
        {"palette", test_support::MakePng(Content(1, 1, 8, 3, 0, {0, 0}, {1, 2, 3})), {3, 2, 1, 255}},
    };
    Bytes empty;
    test_support::png_detail::Chunk(empty, "IDAT", {});
    constexpr std::ptrdiff_t kAfterHeader = 8 + 25;
    for (Case& c : cases) {
        c.file.insert(c.file.begin() + kAfterHeader, empty.begin(), empty.end());
        c.file.insert(c.file.end() - 12, empty.begin(), empty.end());
        const auto picture = DecodePng(c.file);
        ASSERT_TRUE(picture) << c.what;
        EXPECT_EQ(Bytes(picture->Bgra().begin(), picture->Bgra().end()), c.bgra) << c.what;
        EXPECT_EQ(PngSizeOf(c.file), (PngSize{picture->width, picture->height})) << c.what;
    }
}

TEST(DecodePng, RefusesWhatIsNotAWholeUsablePng) {
    const Bytes good = MakePng(2, 1, 8, 2, 0, {0, 10, 20, 30, 40, 50, 60});
    Bytes wrongSignature = good;
    wrongSignature[1] = 'J';
    const Bytes cutInThePixels(good.begin(), good.begin() + 40);
    Bytes claimsTwoGigabytes = good;  // the image data's length, right after the header chunk
    std::copy_n(Bytes{0x7F, 0xFF, 0xFF, 0xFF}.begin(), 4, claimsTwoGigabytes.begin() + 8 + 25);
    Bytes imageDataBeforeHeader = good;  // an empty image-data chunk ahead of the header chunk
    test_support::png_detail::Chunk(imageDataBeforeHeader, "IDAT", {});
    std::rotate(imageDataBeforeHeader.begin() + 8, imageDataBeforeHeader.end() - 12, imageDataBeforeHeader.end());
    struct Case {
        const char* what;
        Bytes file;
        std::optional<bool> sizeReadable;  // whether the header alone is sound, where it is plain
    } cases[] = {
        {"nothing", {}, false},
        {"not a PNG", wrongSignature, false},
        {"pixels cut off", cutInThePixels, true},
        {"a chunk longer than the file", claimsTwoGigabytes, true},
        {"a chunk before the header", imageDataBeforeHeader, false},
        {"too few pixels", MakePng(2, 2, 8, 2, 0, {0, 10, 20, 30, 40, 50, 60}), true},
        {"no width", MakePng(0, 1, 8, 2, 0, {0}), false},
        {"wider than a skin picture may be", MakePng(kMaxPngSide + 1, 1, 8, 0, 0, {0, 0}), false},
        {"an impossible bit depth", MakePng(1, 1, 4, 2, 0, {0, 0, 0}), std::nullopt},
        {"a palette picture without a palette", MakePng(1, 1, 8, 3, 0, {0, 0}), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(DecodePng(c.file)) << c.what;
        if (c.sizeReadable) {
            EXPECT_EQ(PngSizeOf(c.file).has_value(), *c.sizeReadable) << c.what;
        }
    }
}

TEST(PngFiles, SizeComesFromTheHeaderAndPixelsFromTheWholeFile) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ravix-png-test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "picture.png";
    const Bytes file = MakePng(3, 2, 8, 0, 0, {0, 1, 2, 3, 0, 4, 5, 6});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                 static_cast<std::streamsize>(file.size()));

    EXPECT_EQ(ReadPngSize(path.wstring()), (PngSize{3, 2}));
    const auto picture = ReadPngFile(path.wstring());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Bgra().size(), 3u * 2u * 4u);
    EXPECT_EQ(picture->Bgra()[5 * 4], 6);

    const std::wstring missing = (folder / "missing.png").wstring();
    EXPECT_FALSE(ReadPngSize(missing));
    EXPECT_FALSE(ReadPngFile(missing));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ravix
