// How long the macro manager's OK takes to turn a full library into the twelve slot images: twelve
// recordings of 64 key events with their delays (127 lines each), read from the file through the
// portable IniFile and encoded. Run with tools/bench-macros.sh, which prints the figure.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "core/macros/MacroLibrary.h"
#include "core/platform/FileIo.h"
#include "core/platform/PortableIniFile.h"
#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

// A full recording: a key line, then a delay line and a key line for each further event.
std::wstring TwelveFullRecordings() {
    std::wstring text;
    for (int k = 0; k < 12; ++k) {
        text += L"[Macro-" + std::to_wstring(k) +
                L"]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=127\r\n";
        for (int i = 0; i < 127; ++i) {
            const std::wstring line = i % 2 == 1   ? std::to_wstring(20 + i) + L" ms"
                                      : i % 4 == 0 ? L"A   Dn"
                                                   : L"A   Up";
            text += L"Item" + std::to_wstring(i) + L"=" + line + L"\r\n";
        }
    }
    return text;
}

// The library in a folder of its own, in the encoding the program writes (UTF-16LE with a mark) or
// as a hand-made 8-bit file.
class LibraryFile {
public:
    explicit LibraryFile(bool asTheProgramWritesIt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_folder = std::filesystem::temp_directory_path() / ("ravix-bench-" + std::to_string(stamp));
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "record.ini").wstring();
        const std::wstring text = TwelveFullRecordings();
        std::vector<std::uint8_t> bytes;
        if (asTheProgramWritesIt) {
            bytes = {0xFF, 0xFE};
            const std::vector<std::uint8_t> body = Utf16LeFromWide(text);
            bytes.insert(bytes.end(), body.begin(), body.end());
        } else {
            const std::string utf8 = Utf8FromWide(text);
            bytes.assign(utf8.begin(), utf8.end());
        }
        ReplaceFileAtomically(m_path, bytes);
    }
    ~LibraryFile() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    const std::wstring& path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::wstring m_path;
};

// The whole OK path: file to image.
void EncodeLibraryFromFile(benchmark::State& state) {
    const LibraryFile file(state.range(0) != 0);
    PortableIniFile ini;
    const MacroLibrary library(ini, file.path());
    for (auto _ : state) {
        MacroEncoding encoding = EncodeLibrary(library, 12);
        benchmark::DoNotOptimize(encoding);
    }
    state.SetLabel(state.range(0) != 0 ? "UTF-16LE file" : "8-bit file");
}
BENCHMARK(EncodeLibraryFromFile)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The encoding alone, from macros already read.
void EncodeMacrosInMemory(benchmark::State& state) {
    const LibraryFile file(true);
    PortableIniFile ini;
    const MacroLibrary library(ini, file.path());
    std::vector<StoredMacro> macros;
    for (const std::wstring& name : library.List()) macros.push_back(library.Load(name));
    for (auto _ : state) {
        MacroEncoding encoding = EncodeMacros(macros, macros.size());
        benchmark::DoNotOptimize(encoding);
    }
}
BENCHMARK(EncodeMacrosInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ravix

BENCHMARK_MAIN();
