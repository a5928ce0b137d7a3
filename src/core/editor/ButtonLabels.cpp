#include "core/editor/ButtonLabels.h"

namespace ravix {

std::vector<int> CompleteButtonLabels(const ProfileFilePorts& ports, const ProfileFileState& state,
                                      const ProfileSettings& settings, const std::wstring& labelSection,
                                      const LabelContext& context, ButtonLabels& labels) {
    if (state.firstRunFlag == 0 || state.textPath.empty()) return {};
    const std::vector<int> derived = DeriveMissingLabels(labels, settings, context);
    if (!derived.empty()) SaveLabels(ports, state.textPath, labelSection, labels);
    return derived;
}

}  // namespace ravix
