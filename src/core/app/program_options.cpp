#include "core/app/program_options.h"

#include <algorithm>

#include "core/app/program_version.h"
#include "core/shared/message_boxes.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

constexpr std::u16string_view kUsage =
    u"Usage: hashwell [--help | --version] [--verify [FILE]] [--] [PATH...]";

std::string UsageText() {
    return platform::Utf16ToUtf8(kUsage) +
           "\n"
           "Computes and checks checksums (CRC-32, MD5, SHA-1, SHA-2, SHA-3) in a window.\n"
           "A file named is hashed into the List of Files tab at start.\n"
           "\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n"
           "  --verify   verify the checksum FILE (or one chosen in a dialog) into the list\n"
           "  --         end of the options: what follows is a path, even if it begins with -\n"
           "\n"
           "For scripts and terminals, see hashwell-cli(1).\n";
}

}  // namespace

ProgramOptions ReadProgramOptions(const std::vector<std::u16string>& parameters,
                                  const std::function<bool(const platform::Path&)>& exists) {
    ProgramOptions options;
    bool optionsEnded = false;
    for (std::u16string parameter : parameters) {
        if (!platform::kParametersAreUnquoted) {
            std::erase(parameter, u'"');
        }
        if (!optionsEnded && parameter.starts_with(u'-') && !exists(parameter)) {
            if (parameter == u"--") {
                optionsEnded = true;
                continue;
            }
            if (parameter == u"--help" || parameter == u"--version") {
                options.action = parameter == u"--help" ? ProgramOptions::Action::Help
                                                        : ProgramOptions::Action::Version;
                return options;
            }
            if (parameter == u"--verify") {
                options.verify = true;
                continue;
            }
            options.action = ProgramOptions::Action::UsageError;
            options.error = u"unrecognized option '" + parameter + u"'";
            return options;
        }
        options.paths.push_back(std::move(parameter));
    }
    if (options.verify && options.paths.size() > 1) {
        options.action = ProgramOptions::Action::UsageError;
        options.error = u"--verify takes one checksum file";
    }
    return options;
}

int AnswerOnTerminal(const ProgramOptions& options) {
    if (options.action == ProgramOptions::Action::UsageError) {
        platform::WriteStandardError("hashwell: " + platform::EncodeNativeBytes(options.error) +
                                     "\n" + platform::Utf16ToUtf8(kUsage) +
                                     "\nTry 'hashwell --help' for more information.\n");
        return 2;
    }
    const std::string answer =
        options.action == ProgramOptions::Action::Help
            ? UsageText()
            : "hashwell " + platform::Utf16ToUtf8(VersionText(kProgramVersion)) + "\n";
    std::u16string reason;
    if (!platform::WriteStandardOutput(answer, &reason)) {
        platform::WriteStandardError(
            "hashwell: write error: " + platform::EncodeNativeBytes(reason) + "\n");
        return 1;
    }
    return 0;
}

void ShowUsageError(Dialogs& dialogs, const ProgramOptions& options) {
    ShowError(dialogs, u"Command Line Error", options.error + u"\n\n" + std::u16string(kUsage));
}

}  // namespace hashwell::core
