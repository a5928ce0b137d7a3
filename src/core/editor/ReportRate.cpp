#include "core/editor/ReportRate.h"

namespace ravix {
namespace {

constexpr int kDialRadius = 64;
constexpr int kRingInner = 35;

}  // namespace

ClientRect ReportRateDialRect(ClientPoint body, int bodyWidth) {
    const int centre = bodyWidth / 2;
    return RectAt(body, centre - kDialRadius, 5, centre + kDialRadius, 5 + 2 * kDialRadius);
}

std::optional<std::uint8_t> ReportRateCodeAt(const ClientRect& dial, ClientPoint press) {
    const int dx = press.x - (dial.left + dial.Width() / 2);
    const int dy = press.y - (dial.top + dial.Height() / 2);
    const int squared = dx * dx + dy * dy;
    if (squared < kRingInner * kRingInner || squared > kDialRadius * kDialRadius) return std::nullopt;
    if (dx == 0 || dy == 0) return std::nullopt;
    if (dy < 0) return dx > 0 ? 1 : 8;
    return dx > 0 ? 2 : 4;
}

bool PressReportRate(ProfileSettings& settings, const ClientRect& dial, ClientPoint press) {
    const auto code = ReportRateCodeAt(dial, press);
    if (!code || *code == settings.reportRate) return false;
    settings.reportRate = *code;
    return true;
}

}  // namespace ravix
