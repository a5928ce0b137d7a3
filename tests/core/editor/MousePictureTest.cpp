#include <gtest/gtest.h>

#include "core/editor/MousePicture.h"
#include "core/skin/SkinCatalogue.h"

namespace ravix {
namespace {

TEST(MousePicture, EveryOverlayFitsItsPlaceInThePictureArea) {
    for (MouseView view : {MouseView::Front, MouseView::Side}) {
        for (int k = 1; k <= 8; ++k) {
            const ClientRect rect = MouseOverlayRect(view, k);
            for (ImageState state : {ImageState::Normal, ImageState::Over}) {
                const SkinImageSize size = SkinImageSizeOf(MouseOverlayImageName(view, k, state));
                EXPECT_EQ(size.width, rect.Width()) << size.name;
                EXPECT_EQ(size.height, rect.Height()) << size.name;
            }
            EXPECT_TRUE(kMousePictureArea.Contains({rect.left, rect.top}));
            EXPECT_TRUE(kMousePictureArea.Contains({rect.right - 1, rect.bottom - 1}));
        }
    }
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
