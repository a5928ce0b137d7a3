#pragma once

#include "core/platform/IniFile.h"
#include "win/platform/FailureTrace.h"

namespace ravix::win {

// IniFile over the system's private-profile functions, with the guarantees the port promises and
// the system alone does not give: names that the format cannot hold are refused, line breaks in
// values become spaces, a new file starts as UTF-16LE with a byte-order mark (the system would
// create an 8-bit file and turn Chinese names into question marks), an 8-bit file is turned into
// UTF-16LE before text it cannot hold is written into it, and each change is made on a copy that
// then replaces the file, so that a crash never leaves it half written. A change that fails notes
// the system call and its error in the trace given, if any.
class WinIniFile final : public IniFile {
public:
    explicit WinIniFile(TransferSink* trace = nullptr) : m_failures(trace) {}

    bool FileExists(const std::wstring& path) const override;
    std::vector<std::wstring> SectionNames(const std::wstring& path) const override;
    std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key) const override;
    std::vector<IniEntry> ReadSection(const std::wstring& path, const std::wstring& section) const override;
    bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    bool ReplaceSection(const std::wstring& path, const std::wstring& section,
                        const std::vector<IniEntry>& entries) override;
    bool DeleteSection(const std::wstring& path, const std::wstring& section) override;
    int LastWriteError() const override { return m_lastWriteError; }

private:
    // True for 0; otherwise keeps the error code for LastWriteError.
    bool Succeeded(int error);

    FailureTrace m_failures;
    int m_lastWriteError = 0;
};

}  // namespace ravix::win
