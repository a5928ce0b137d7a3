#include "core/app/DialogCaptions.h"

#include "core/app/LanguageTexts.h"

namespace ravix {

ProfileManagerCaptions ProfileManagerCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    ProfileManagerCaptions c;
    c.title = in({L"Configuration", L"配置", L"配置"});
    c.newProfileBaseName = in({L"PROFILE", L"PROFILE", L"PROFILE"});
    c.newButton = in({L"New", L"新建", L"新建"});
    c.deleteButton = in({L"Delete", L"删除", L"刪除"});
    c.editButton = in({L"Edit", L"编辑", L"編輯"});
    c.loadButton = in({L"Load", L"加载", L"載入"});
    c.saveButton = in({L"Save", L"保存", L"保存"});
    c.warningCaption = in({L"Warning", L"警告", L"警告"});
    c.limitMessage = in({L"Profile numbers up to 6.", L"最多可以存储6个配置。", L"最多可以存儲6個配置。"});
    return c;
}

MacroManagerCaptions MacroManagerCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    MacroManagerCaptions c;
    c.ok = in({L"OK", L"确定", L"確定"});
    c.cancel = in({L"Cancel", L"取消", L"取消"});
    c.title = in({L"Macro Manager", L"宏管理器", L"巨集管理器"});
    c.selectMacroHeading = in({L"Select Macro", L"选择宏", L"選擇巨集"});
    c.keyActionsHeading = in({L"KEY ACTIONS", L"按鍵序列", L"按鍵序列"});
    c.recordOptionHeading = in({L"Record Option", L"录制选项", L"錄製選項"});
    c.recordDelaysOption = in({L"Record delays between key commands", L"记录按键动作间的延迟", L"記錄按鍵動作間的延遲"});
    c.loopTimesOption = in({L"Loop Times", L"循环次数", L"迴圈次數"});
    c.newButton = in({L"New", L"新建", L"新建"});
    c.deleteButton = in({L"Delete", L"刪除", L"刪除"});
    c.newMacroPrefix = in({L"Macro", L"宏", L"巨集"});
    c.startRecording = in({L"START REC", L"开始录制", L"開始錄製"});
    c.stopRecording = in({L"STOP REC.", L"停止录制", L"停止錄製"});
    c.recordingTitle = in({L"Press Ctrl+Break key to stop recording", L"按 Ctrl+Break 停止录制", L"按Ctrl+Break 停止錄製"});
    c.insertLeftButton = in({L"Insert the left Button", L"插入鼠标左键", L"插入滑鼠左鍵"});
    c.insertMiddleButton = in({L"Insert the middle Button", L"插入鼠标中键", L"插入滑鼠中鍵"});
    c.insertRightButton = in({L"Insert the right button", L"插入鼠标右键", L"插入滑鼠右鍵"});
    c.insertDelay = in({L"Insert Delay", L"插入延时", L"插入延時"});
    c.warningCaption = in({L"Warning", L"警告", L"警告"});
    c.limitMessage = in({L"Macro numbers up to 12.", L"最多可以新建12个宏。", L"最多可以新建12個巨集。"});
    return c;
}

MacroAssignmentCaptions MacroAssignmentCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    MacroAssignmentCaptions c;
    c.ok = in({L"Ok", L"确定", L"確定"});
    c.cancel = in({L"Cancel", L"取消", L"取消"});
    c.loopModes = {
        in({L"Repeat a specified number of times or press any key to end", L"重复指定次数或按任意键结束",
            L"重複指定次數或按任意鍵結束"}),
        in({L"Repeat until press any key to end", L"重复直到按任意键结束", L"重複直到按任意鍵結束"}),
        in({L"Repeat until the key is released", L"重复直到该按键松开结束", L"重複直到該按鍵鬆開結束"}),
    };
    c.prompt = in({L"Please select a macro", L"请从列表框选择一个宏", L"請從清單方塊選擇一個巨集"});
    return c;
}

SingleKeyCaptions SingleKeyCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    return {in({L"Ok", L"确定", L"確定"}), in({L"Cancel", L"取消", L"取消"}),
            in({L"Please enter a key", L"请输入一个按键", L"請輸入一個按鍵"})};
}

ComboKeyCaptions ComboKeyCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    return {in({L"OK", L"确定", L"確定"}), in({L"Cancel", L"取消", L"取消"})};
}

ColourDialogCaptions ColourDialogCaptionsFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    return {in({L"LED Color Pick", L"LED颜色选择器", L"LED顏色選擇器"}), in({L"APPLY", L"应用", L"應用"}),
            in({L"CANCEL", L"取消", L"取消"})};
}

HelpCaptions HelpCaptionsFor(Language language, std::wstring_view version) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    // The update and version lines read the same in every language.
    return {in({L"Ok", L"确定", L"確定"}), in({L"Cancel", L"取消", L"取消"}), L"Update 驱动更新",
            L"Version：" + std::wstring(version)};
}

}  // namespace ravix
