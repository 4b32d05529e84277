#include "cli/command_line_tool.h"

#include "cli/check_command.h"
#include "cli/console.h"
#include "cli/hash_command.h"
#include "cli/options.h"
#include "digest/registry.h"
#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::cli {

int RunCommandLineTool(const std::vector<std::u16string>& parameters) {
    std::string out;
    std::string err;
    const ParsedOptions parsed = ParseOptions(parameters, out, err);
    if (!parsed.options) {
        // --help and --version: a failed write is a failure, as in every other mode.
        std::u16string reason;
        if (!out.empty() && !platform::WriteStandardOutput(out, &reason)) {
            platform::WriteStandardError(
                "hashwell-cli: write error: " + platform::EncodeNativeBytes(reason) + '\n');
            return 1;
        }
        platform::WriteStandardError(err);
        return parsed.exitCode;
    }
    const Options& options = *parsed.options;
    digest::RegisterDigestMethods();
    Console console;
    int code = 0;
    if (options.check) {
        code = CheckFiles(options, console);
    } else if (options.message) {
        code = HashText(options, console);
    } else {
        code = HashFiles(options, console);
    }
    if (!console.Flush()) {
        console.Message("write error: " + console.WriteFailure());
        return 1;
    }
    return code;
}

}  // namespace hashwell::cli
