#pragma once

#include <string>
#include <vector>

#include "core/editor/ButtonAssignment.h"
#include "core/store/ProfileFiles.h"

namespace ravix {

// The labels are kept per language, and only the language in use when a button was assigned has its
// label. Labels the current language's section lacks are derived from the buttons' stored
// assignments and written to the profile's text file (a failed write is shown), so that every
// language shows what each button does. A profile whose labels were never set is left to the
// first-run rule. Gives the buttons filled, 1..8.
std::vector<int> CompleteButtonLabels(const ProfileFilePorts& ports, const ProfileFileState& state,
                                      const ProfileSettings& settings, const std::wstring& labelSection,
                                      const LabelContext& context, ButtonLabels& labels);

}  // namespace ravix
