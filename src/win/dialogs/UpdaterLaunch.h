#pragma once

#include <string>

#include "core/platform/Notifier.h"

namespace ravix::win {

// The updater beside the program for this machine's native processor architecture, with the
// separators Windows expects.
std::wstring UpdaterPath(const std::wstring& executablePath);

// Starts the updater and does not wait for it. A missing updater, or a shell call that fails, is
// told to the user with the path. True when the updater was started.
bool RunUpdater(const std::wstring& executablePath, Notifier& notifier);

}  // namespace ravix::win
