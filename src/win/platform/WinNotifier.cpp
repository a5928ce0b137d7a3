#include "win/platform/WinNotifier.h"

namespace ravix::win {

void WinNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption) {
    if (!MessageBoxW(m_owner, text.c_str(), caption.c_str(), MB_OK)) m_failures.Failed("MessageBoxW", caption);
}

}  // namespace ravix::win
