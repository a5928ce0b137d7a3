// libFuzzer target: any configuration file and profile text (the input's first 1757 bytes, then the
// text that serves as "str.ini" and as the profile's own text file) load without reading or writing
// out of bounds, and whatever settings they give build the device image a Save would write.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "DocumentIniFile.h"
#include "core/store/DeviceImageBuild.h"
#include "core/store/ProfileFiles.h"

namespace {

// Every binary file reads as the one configuration file of the input.
class InputBinaryFiles final : public ravix::BinaryFiles {
public:
    explicit InputBinaryFiles(std::span<const std::uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {}
    bool Exists(const std::wstring&) const override { return true; }
    ravix::FileContents Read(const std::wstring&, std::size_t maxBytes) const override {
        if (m_bytes.size() > maxBytes) return {ravix::FileContents::Status::TooLarge, {}};
        return {ravix::FileContents::Status::Ok, m_bytes};
    }
    int Replace(const std::wstring&, std::span<const std::uint8_t>) override { return 0; }
    int Rename(const std::wstring&, const std::wstring&) override { return 0; }

private:
    std::vector<std::uint8_t> m_bytes;
};

class SilentNotifier final : public ravix::Notifier {
public:
    void ShowMessage(const std::wstring&, const std::wstring&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix;
    const std::span input(data, size);
    const std::size_t configBytes = std::min(size, kConfigFileBytes);
    InputBinaryFiles files(input.first(configBytes));
    DocumentIniFile ini(IniDocument::Parse(input.subspan(configBytes)));
    SilentNotifier notifier;
    const ProfileFilePorts ports{L"C:\\Ravix\\Velmar Ravix Driver.exe", ini, files, notifier};

    ProfileFileState state;
    ProfileSettings settings{};
    if (LoadCurrentProfile(ports, state, settings)) {
        if (state.listIndex < 0 || state.listIndex >= kMaxProfiles) std::abort();
        DeviceImage image{};
        BuildImageForWrite(settings, image);
    }
    (void)ReadProfileText(ini, state.textPath, L"Setting-EN");
    return 0;
}
