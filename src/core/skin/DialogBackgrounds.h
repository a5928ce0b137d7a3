#pragma once

#include <string>

namespace ravix {

// The skinned dialogs that take their size and look from a background picture.
enum class SkinnedDialog { Combo, Config, Help, MacroKey, MacroManager, SingleKey };

// The picture each dialog draws as its background.
std::wstring BackgroundImageName(SkinnedDialog dialog);

// The title of the message that tells the user a dialog's background could not be loaded.
std::wstring BackgroundFailureTitle(SkinnedDialog dialog);

// The text of that message.
inline constexpr wchar_t kBackgroundFailureText[] = L"error";

}  // namespace ravix
