// The main window's skin: the folder its pictures come from and the background picture, whose
// size the window takes.
#include "core/app/ApplicationSettings.h"
#include "win/app/ModulePath.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {

void CVarnixDlg::LoadSkin() {
    m_skinFolder = SkinFolderOf(ExecutablePath(), m_state.store.text.skin.path);
    // Resized without moving: the window keeps the place its template's centring gave it.
    m_background.reset(LoadWindowBackground(m_hWnd, m_skinFolder + L"/main.png"));
}

// The paint handler draws the background with everything else in one off-screen pass, so erasing
// first would only make the window flicker.
LRESULT CVarnixDlg::OnEraseBackground(WPARAM wParam, LPARAM lParam) {
    if (!m_background) return DefaultProc(WM_ERASEBKGND, wParam, lParam);
    return TRUE;
}

}  // namespace ravix::win
