#include "core/editor/PointerDials.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

constexpr int kRadius = 71;
constexpr int kRingInner = 43;
constexpr int kCaptionWidth = 50, kCaptionHeight = 30;
constexpr int kFastest = 11;

// The angle of the point seen from the centre, 0 to the right, 90 straight up, 180 to the left.
// The axes are exact so that the sector boundaries on them never depend on rounding.
double AngleOf(int dx, int dy) {
    if (dx == 0) return 90;
    if (dy == 0) return dx > 0 ? 0 : 180;
    return std::atan2(-dy, dx) * 180 / std::numbers::pi;
}

}  // namespace

ClientRect SpeedDialRect(ClientPoint body, int bodyWidth) {
    const int centre = bodyWidth / 2;
    return RectAt(body, centre - kRadius, 20, centre + kRadius, 103);
}

ClientRect SlowCaptionRect(const ClientRect& dial) {
    return {dial.left - kCaptionWidth, dial.bottom - kCaptionHeight, dial.left, dial.bottom};
}

ClientRect FastCaptionRect(const ClientRect& dial) {
    return {dial.right, dial.bottom - kCaptionHeight, dial.right + kCaptionWidth, dial.bottom};
}

std::optional<int> SpeedDialPositionAt(const ClientRect& dial, ClientPoint press) {
    const int dx = press.x - (dial.left + kRadius);
    const int dy = press.y - (dial.top + kRadius);
    if (dy > 0) return std::nullopt;
    const int squared = dx * dx + dy * dy;
    if (squared < kRingInner * kRingInner || squared > kRadius * kRadius) return std::nullopt;
    const int position = static_cast<int>(12 - AngleOf(dx, dy) / 18);
    return std::min(position, kFastest);
}

bool PressSpeedDial(std::uint8_t& stored, const ClientRect& dial, ClientPoint press) {
    const auto position = SpeedDialPositionAt(dial, press);
    if (!position || *position == stored) return false;
    stored = static_cast<std::uint8_t>(*position);
    return true;
}

std::wstring SpeedDialImageName(std::uint8_t position) {
    return NumberedImageName(L"/MouseAttribute/Speed/%d.png", std::clamp<int>(position, 1, kFastest));
}

}  // namespace ravix
