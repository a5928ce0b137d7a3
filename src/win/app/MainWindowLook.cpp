#include "win/app/MainWindowLook.h"

#include "core/app/ModulePaths.h"
#include "core/skin/SkinFolderChoice.h"
#include "core/skin/SkinPaths.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {

void MainWindowLook::Load(HWND window, const std::wstring& languageCode, const std::wstring& skinPath,
                          ProgramPorts& ports) {
    m_look.language = LanguageOf(languageCode);
    m_look.texts = TextCatalogueFor(m_look.language);
    m_captionFont = UniqueFont(CaptionFont(FontWindow::MainWindow, m_look.language, ReportedOsVersion()));
    m_look.captionFont = m_captionFont.Get();
    const SkinFolderChoice skin =
        ChooseSkinFolder(ports.executablePath, skinPath, [this, window](const std::wstring& file) {
            m_background.Reset(LoadWindowBackground(window, file));
            return m_background.Valid();
        });
    m_look.skinFolder = skin.folder;
    if (const std::wstring failure = SkinFailureMessage(skin); !failure.empty())
        ports.notifier.ShowMessage(failure, ApplicationName(ports.executablePath));
    m_look.bodyHeights = MeasuredBodyHeights([this](std::wstring_view name) {
        const auto size = PngImageSize(SkinImagePath(m_look.skinFolder, name));
        return size ? static_cast<int>(size->cy) : 0;
    });
}

// The window's paint handler draws the background with everything else in one off-screen pass, so
// erasing first would only make it flicker. Without a picture the default erase stands.
bool MainWindowLook::OnWindowMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_ERASEBKGND || !m_background) return false;
    result = TRUE;
    return true;
}

}  // namespace ravix::win
