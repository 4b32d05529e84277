#include "cli/command_line_tool.h"

#include "cli/check_command.h"
#include "cli/console.h"
#include "cli/hash_command.h"
#include "cli/options.h"
#include "digest/registry.h"
#include "platform/platform.h"

namespace hashwell::cli {

int RunCommandLineTool(const std::vector<std::u16string>& parameters) {
    std::string out;
    std::string err;
    const ParsedOptions parsed = ParseOptions(parameters, out, err);
    if (!parsed.options) {
        platform::WriteStandardOutput(out);
        platform::WriteStandardError(err);
        return parsed.exitCode;
    }
    const Options& options = *parsed.options;
    digest::RegisterDigestMethods();
    Console console;
    int code = 0;
    if (options.check) {
        code = CheckFiles(options, console);
    } else if (options.text) {
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
