#include <gtest/gtest.h>

#include "core/editor/MousePicture.h"
#include "core/skin/SkinCatalogue.h"

namespace ravix {
namespace {

// The overlays take their sizes from the skin's catalogue and their places from the window.
TEST(MousePicture, EveryOverlayLiesInThePictureArea) {
    for (MouseView view : {MouseView::Front, MouseView::Side}) {
        for (int k = 1; k <= 8; ++k) {
            const ClientRect rect = MouseOverlayRect(view, k);
            ASSERT_GT(rect.Width(), 0) << k;
            ASSERT_GT(rect.Height(), 0) << k;
            EXPECT_TRUE(kMousePictureArea.Contains({rect.left, rect.top}));
            EXPECT_TRUE(kMousePictureArea.Contains({rect.right - 1, rect.bottom - 1}));
        }
    }
    EXPECT_EQ(MouseOverlayRect(MouseView::Front, 1), (ClientRect{335, 96, 429, 158}));
    EXPECT_EQ(MouseOverlayRect(MouseView::Side, 2), (ClientRect{471, 92, 573, 150}));
    EXPECT_EQ(MouseOverlayRect(MouseView::Front, 8), (ClientRect{333, 257, 404, 282}));
}

TEST(MousePicture, OverlayNamesCarryViewButtonAndState) {
    EXPECT_EQ(MouseOverlayImageName(MouseView::Front, 1, ImageState::Over), L"/Mouse/Front/F-1-over.png");
    EXPECT_EQ(MouseOverlayImageName(MouseView::Side, 8, ImageState::Normal), L"/Mouse/Side/S-8-normal.png");
    EXPECT_EQ(MouseOverlayImageName(MouseView::Front, 0, ImageState::Over), L"");
    EXPECT_EQ(MouseOverlayRect(MouseView::Side, 9), ClientRect{});
}

TEST(MousePicture, PicturesLieInsideThePictureArea) {
    for (MouseView view : {MouseView::Front, MouseView::Side}) {
        const ClientPoint origin = MousePictureOrigin(view);
        const SkinImageSize size = SkinImageSizeOf(MousePictureImageName(view));
        ASSERT_GT(size.width, 0);
        EXPECT_TRUE(kMousePictureArea.Contains(origin));
        EXPECT_TRUE(kMousePictureArea.Contains({origin.x + size.width - 1, origin.y + size.height - 1}));
    }
}

}  // namespace
}  // namespace ravix
