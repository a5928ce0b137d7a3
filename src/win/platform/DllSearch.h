#pragma once

namespace ravix::win {

// Limits where the process looks for DLLs loaded by name to the system folder and the program's own
// folder, so that a DLL planted in the current folder (a download folder, say) is never loaded.
// Called first thing at start-up. Returns false on a system without the call (Windows 7 before
// KB2533623), where the current folder is at least taken out of the search.
bool RestrictDllSearch();

}  // namespace ravix::win
