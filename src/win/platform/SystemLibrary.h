#pragma once

#include <windows.h>

namespace ravix::win {

// A function of a system DLL that only an occasional action needs (the file dialogs, the fine
// timer of a write to the mouse), loaded on its first use instead of with the program: every DLL
// the program imports is mapped, with what it imports in turn, before the first window can show.
// The DLL is taken from the system folder by its full path, never from a search. Null when the DLL
// or the function is missing.
FARPROC SystemFunction(const wchar_t* library, const char* name);

template <class Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

}  // namespace ravix::win
