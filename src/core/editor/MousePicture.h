#pragma once

#include <string>

#include "core/editor/ClientGeometry.h"
#include "core/editor/MainWindowLayout.h"
#include "core/skin/SkinPaths.h"

namespace ravix {

// The picture of the mouse in the chosen view and where it is drawn.
std::wstring_view MousePictureImageName(MouseView view);
ClientPoint MousePictureOrigin(MouseView view);

// The overlay of mouse button 1..8 in a view, drawn over the picture: its rectangle in the
// window and its image ("/Mouse/Front/F-3-over.png"). A button outside 1..8 has an empty
// rectangle and no name.
ClientRect MouseOverlayRect(MouseView view, int button);
std::wstring MouseOverlayImageName(MouseView view, int button, ImageState state);

}  // namespace ravix
