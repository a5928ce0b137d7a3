#include "win/platform/WinNotifier.h"

namespace ravix::win {

void WinNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(m_owner, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace ravix::win
