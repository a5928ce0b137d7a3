#include "core/app/TextCatalogue.h"

#include "core/app/LanguageTexts.h"

namespace ravix {

TextCatalogue TextCatalogueFor(Language language) {
    const auto in = [language](const Texts& texts) { return InLanguage(language, texts); };
    TextCatalogue c;
    c.trayTip = in({L"Velmar Ravix", L"Velmar Ravix", L"Velmar Ravix"});
    c.config = in({L"Config", L"配置", L"配置"});
    c.save = in({L"Save", L"保存", L"保存"});
    c.cancel = in({L"Cancel", L"取消", L"取消"});
    c.reset = in({L"Reset", L"恢复", L"恢復"});
    c.front = in({L"Front", L"正面", L"正面"});
    c.side = in({L"Side", L"侧面", L"側面"});
    c.buttonAssignmentTitle = in({L"Button Assignment", L"按钮分配", L"按鈕分配"});
    c.macroManagerTitle = in({L"Macro Manager", L"宏管理器", L"宏管理器"});
    c.sensitivityTitle = in({L"X/Y Sensitivity Setting", L"X/Y轴设置", L"X/Y軸設置"});
    c.dpiTitle = in({L"DPI Setting", L"DPI 设置", L"DPI 設置"});
    c.lightingTitle = in({L"Lighting", L"照明", L"照明"});
    c.reportRateTitle = in({L"USB Report Rate", L"USB输出报告率", L"USB輸出報告率"});
    c.cursorSpeedTitle = in({L"Cursor System Speed", L"鼠标速度", L"滑鼠移動速度"});
    c.doubleClickSpeedTitle = in({L"Double Click Speed", L"双击速度", L"滑鼠雙擊速度"});
    c.scrollSpeedTitle = in({L"Scroll Speed", L"鼠标滚轮速度", L"滑鼠滾動速度"});
    c.angleSnapTitle = in({L"Angle Snap", L"角度捕捉", L"角度捕捉"});
    c.buttonNames[0] = in({L"Button 1", L"按钮1", L"按鈕1"});
    c.buttonNames[1] = in({L"Button 2", L"按钮2", L"按鈕2"});
    c.buttonNames[2] = in({L"Button 3", L"按钮3", L"按鈕3"});
    c.buttonNames[3] = in({L"Button 4", L"按钮4", L"按鈕4"});
    c.buttonNames[4] = in({L"Button 5", L"按钮5", L"按鈕5"});
    c.buttonNames[5] = in({L"Button 6", L"按钮6", L"按鈕6"});
    c.buttonNames[6] = in({L"Button 7", L"按钮7", L"按鈕7"});
    c.buttonNames[7] = in({L"Button 8", L"按钮8", L"按鈕8"});
    c.click = in({L"Click", L"左键", L"左鍵"});
    c.menu = in({L"Menu", L"右键", L"右鍵"});
    c.middleButton = in({L"MID BUTTON", L"滚轮", L"滾輪"});
    c.scrollUp = in({L"SCROLL UP", L"上滚轮", L"上滾輪"});
    c.scrollDown = in({L"SCROLL DOWN", L"下滚轮", L"下滾輪"});
    c.scrollSelect = in({L"Scroll Select", L"滚轮选择", L"滾輪選擇"});
    c.forward = in({L"IE Forward", L"前进方向键", L"前進方向鍵"});
    c.backward = in({L"IE Backward", L"后退方向键", L"後退方向鍵"});
    c.cpiCycle = in({L"CPI Cycle", L"DPI切换", L"DPI切換"});
    c.dpiLoop = in({L"DPI loop", L"DPI loop", L"DPI loop"});
    c.windows = in({L"Windows", L"Windows", L"Windows"});
    c.multimedia = in({L"Multimedia", L"多媒体", L"多媒體"});
    c.hotKey = in({L"HotKey", L"快捷键", L"快速鍵"});
    c.singleKey = in({L"Single Key", L"单键", L"單鍵"});
    c.comboKey = in({L"Combo Key", L"组合键", L"複合鍵"});
    c.macroKey = in({L"Macro Key", L"宏", L"巨集"});
    c.buttonOff = in({L"Button Off", L"按键关闭", L"按鍵關閉"});
    c.doubleClick = in({L"Double Click", L"双击", L"双击"});
    c.leftKeyRequired = in({L"Left key must be selected!", L"左键功能必须选择！", L"左鍵功能必須選擇！"});
    c.xAxis = in({L"X axis", L"X轴", L"X軸"});
    c.yAxis = in({L"Y axis", L"Y轴", L"Y軸"});
    c.dpiSwitchUp = in({L"DPI PROFILE 2", L"DPI 拨键上", L"DPI 撥鍵上"});
    c.dpiSwitchDown = in({L"DPI PROFILE 1", L"DPI 拨键下", L"DPI 撥鍵下"});
    c.standard = in({L"Standard", L"标准模式", L"標準模式"});
    c.breathing = in({L"Breathing", L"呼吸模式", L"呼吸模式"});
    c.spectrumCycle = in({L"Spectrum Cycle", L"霓虹模式", L"霓虹模式"});
    c.slow = in({L"Slow", L"慢", L"慢"});
    c.fast = in({L"Fast", L"快", L"快"});
    c.numberOfRows = in({L"Number of rows", L"一次滚动行数", L"一次滾動行數"});
    c.scrollOneScreen = in({L"Scroll one screen", L"一次滚动一个屏幕", L"一次滾動一個螢幕"});
    c.dpiStageNotices[0] = in({L"Switch DPI into the first stage ", L"DPI切换到第一段 ", L"DPI切換到第一段 "});
    c.dpiStageNotices[1] = in({L"Switch DPI into the second stage ", L"DPI切换到第二段 ", L"DPI切換到第二段 "});
    c.dpiStageNotices[2] = in({L"Switch DPI into the third stage ", L"DPI切换到第三段 ", L"DPI切換到第三段 "});
    c.dpiStageNotices[3] = in({L"Switch DPI into the fourth stage ", L"DPI切换到第四段 ", L"DPI切換到第四段 "});
    c.dpiStageNotices[4] = in({L"Switch DPI into the fifth stage ", L"DPI切换到第五段 ", L"DPI切換到第五段 "});
    c.dpiStageNotices[5] = in({L"Switch DPI into the sixth stage ", L"DPI切换到第六段 ", L"DPI切換到第六段 "});
    c.macroKeyNotice = in({L"Switch to macro key", L"切换到宏", L"切換到巨集"});
    c.notDetectedNotice = in({L"The system did not detect the gaming mouse!", L"系统没有检测到游戏鼠标！", L"系統沒有檢測到遊戲滑鼠！"});
    c.detectedNotice = in({L"The system detect the gaming mouse.", L"系统检测到游戏鼠标。", L"系統檢測到遊戲滑鼠。"});
    c.exit = in({L"Exit", L"退出", L"退出"});
    c.settingSection = LabelSection(language);
    return c;
}

}  // namespace ravix
