#include "win/app/NoticeBoard.h"

#include "core/device/TransferTrace.h"
#include "core/platform/TextCodecs.h"
#include "win/app/Messages.h"

namespace ravix::win {

bool NoticeBoard::OnWindowMessage(HWND, UINT message, WPARAM code, LPARAM value, LRESULT& result) {
    if (message != WM_DEVICE_EVENT) return false;
    result = 0;
    // Anything beyond 32 bits is no event of the mouse's.
    if (code > 0xFFFFFFFFu || value < 0 || static_cast<ULONG_PTR>(value) > 0xFFFFFFFFu) return true;
    const auto notice =
        HandleDeviceEvent(m_texts, static_cast<std::uint32_t>(code), static_cast<std::uint32_t>(value),
                          m_state.deviceLink, m_ports.clock, BytesOf(m_state.deviceImage));
    if (notice) Show(*notice);
    return true;
}

// With --notices=FILE the notice is appended there too, one line each.
void NoticeBoard::Show(const Notice& notice) {
    m_notices.push_back(notice);
    if (m_ports.noticeLog)
        m_ports.noticeLog->Record(
            Utf8FromWide(notice.title + L"\t" + std::to_wstring(notice.timeoutMs) + L"\t" + notice.text));
    m_trayIcon.ShowNotice(notice.text, notice.title, notice.timeoutMs);
}

}  // namespace ravix::win
