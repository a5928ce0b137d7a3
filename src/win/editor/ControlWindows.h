#pragma once

#include <windows.h>

#include <string>

#include "core/editor/ClientGeometry.h"

namespace ravix::win {

// The standard controls the section pages place on the main window: visible children with a
// control id, in the caption font when one is given.
HWND CreateChildControl(HWND parent, const wchar_t* className, DWORD style, ClientRect at, int id, HFONT font);
void DestroyControl(HWND& control);
std::wstring ControlText(HWND control);

}  // namespace ravix::win
