#include "cli/FactoryCommand.h"

#include <filesystem>

#include "cli/ProfileFileInput.h"
#include "core/platform/FileIo.h"
#include "core/platform/TextEncoding.h"
#include "core/store/FactoryFiles.h"

namespace ravix {

int RunFactoryCommand(CliArguments arguments, CliContext& context) {
    const auto split = SplitOperand(arguments, context);
    if (!split || !ParseSwitches(split->rest, {}, context)) return kExitUsage;
    const std::wstring folder = WidePath(split->operand);
    std::error_code error;
    std::filesystem::create_directories(FsPath(folder), error);
    PortableBinaryFiles files;
    std::wstring failedFile;
    int code = 0;
    if (!WriteFactoryFiles(folder, files, failedFile, code)) {
        context.err << "ravixctl: " << ToUtf8(failedFile) << ": cannot be written (error " << code << ")\n";
        return kExitFailed;
    }
    for (const FactoryFile& file : FactoryFiles()) context.out << ToUtf8(file.name) << '\n';
    return kExitOk;
}

}  // namespace ravix
