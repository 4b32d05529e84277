#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <sstream>
#include <thread>

#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

constexpr const char* kProgram = "hashwell-cli";

std::vector<std::string> AlgorithmNames() {
    std::vector<std::string> names;
    for (const Algorithm& algorithm : digest::Algorithms()) {
        names.emplace_back(algorithm.name);
    }
    return names;
}

std::string JoinedAlgorithmNames() {
    std::string joined;
    for (const std::string& name : AlgorithmNames()) {
        joined += (joined.empty() ? "" : " ") + name;
    }
    return joined;
}

OutputFormat FormatNamed(const std::string& name) {
    if (name == "bsd") {
        return OutputFormat::Bsd;
    }
    if (name == "sfv") {
        return OutputFormat::Sfv;
    }
    return name == "csv" || name == "tsv" ? OutputFormat::Table : OutputFormat::Gnu;
}

std::int64_t TextFormatNamed(const std::string& name) {
    if (name == "ansi") {
        return digest::TextFormat::Ascii;
    }
    return name == "utf16le" ? digest::TextFormat::Unicode : digest::TextFormat::Utf8;
}

// The errors are worded like those of the other command-line tools, and say where to look.
std::string FailureMessage(const CLI::App*, const CLI::Error& error) {
    return std::string(kProgram) + ": " + error.what() + "\nTry '" + kProgram +
           " --help' for more information.\n";
}

unsigned DefaultJobs() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::u16string>& parameters, std::string& out,
                           std::string& err) {
    CLI::App app("Prints or checks the checksums of files: CRC-32, MD5, SHA-1, SHA-2 and SHA-3.",
                 kProgram);
    app.allow_windows_style_options(false);  // "/x" is a path, never an option
    app.failure_message(FailureMessage);
    app.set_version_flag("--version", std::string(kProgram) + " " + HASHWELL_VERSION);
    app.footer(
        "With no FILE, or when FILE is -, standard input is read.\n"
        "Exit status: 0 when all went well, 1 when a file could not be read or a checksum did "
        "not match, 2 for a wrong command line.");

    Options options;
    options.jobs = DefaultJobs();
    std::vector<std::string> algorithmNames{"sha256"};
    std::vector<std::string> operands;
    std::string message;
    std::string encoding = "utf8";
    std::string format = "gnu";

    CLI::Option* algorithm =
        app.add_option("-a,--algorithm", algorithmNames,
                       "Algorithms, comma-separated: " + JoinedAlgorithmNames() +
                           ", or all (CRC-32 to SHA3-512) or every")
            ->delimiter(',')
            ->expected(1)  // "-a md5 file": the file is not an algorithm
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->type_name("LIST")
            ->default_str("sha256")
            ->check(CLI::IsMember([] {
                std::vector<std::string> names = AlgorithmNames();
                names.emplace_back("all");
                names.emplace_back("every");
                return names;
            }()));
    CLI::Option* recursive =
        app.add_flag("-r,--recursive", options.recursive, "Hash the files in folders and below");
    app.add_flag("-L,--dereference", options.followLinks,
                 "With -r, follow symbolic links to folders")
        ->needs(recursive);
    CLI::Option* messageOption =
        app.add_option("-m,--message", message, "Hash this text instead of files")
            ->type_name("TEXT");
    app.add_option("--encoding", encoding,
                   "The bytes of --message: utf8 (as given), ansi (Windows-1252) or utf16le")
        ->check(CLI::IsMember({"utf8", "ansi", "utf16le"}))
        ->default_str("utf8")
        ->needs(messageOption);
    CLI::Option* upper = app.add_flag("--upper", options.upper, "Print upper-case hex digits");
    app.add_option("-j,--jobs", options.jobs, "Hash up to N files at once (default: the cores)")
        ->type_name("N")
        ->check(CLI::Range(1u, 256u));
    CLI::Option* formatOption =
        app.add_option("--format", format,
                       "Output form: gnu, bsd, sfv, csv or tsv (default: gnu for one "
                       "algorithm, bsd for several)")
            ->check(CLI::IsMember({"gnu", "bsd", "sfv", "csv", "tsv"}));
    CLI::Option* tag = app.add_flag("--tag")->description("The bsd form: --format bsd");
    CLI::Option* untagged = app.add_flag("--untagged")->description("The gnu form: --format gnu");
    CLI::Option* binary =
        app.add_flag("-b,--binary")->description("Mark names with '*' in gnu lines");
    CLI::Option* textMode = app.add_flag("-t,--text")
                                ->description("Mark names with a space in gnu lines (the default)");
    CLI::Option* zero = app.add_flag("-z,--zero", options.zero,
                                     "End each line with NUL, not a line feed; names unescaped");
    CLI::Option* check =
        app.add_flag("-c,--check", options.check, "Read checksums from the FILEs and check them");
    CLI::Option* quiet = app.add_flag("--quiet")
                             ->description("With --check, print nothing for a file that is OK")
                             ->needs(check);
    CLI::Option* status = app.add_flag("--status")
                              ->description("With --check, print nothing; the exit code tells")
                              ->needs(check);
    app.add_flag("--ignore-missing", options.ignoreMissing,
                 "With --check, pass over the files that are missing")
        ->needs(check);
    app.add_flag("--strict", options.strict,
                 "With --check, fail on improperly formatted checksum lines")
        ->needs(check);
    CLI::Option* warn =
        app.add_flag("-w,--warn")
            ->description("With --check, warn about each improperly formatted checksum line")
            ->needs(check);
    CLI::Option* files =
        app.add_option("FILE", operands, "Files to hash or to check")->type_name("FILE");
    messageOption->excludes(files)->excludes(check)->excludes(recursive);
    check->excludes(formatOption)->excludes(untagged)->excludes(recursive)->excludes(upper);

    std::vector<std::string> arguments;
    for (auto parameter = parameters.rbegin(); parameter != parameters.rend(); ++parameter) {
        arguments.push_back(platform::EncodeNativeBytes(*parameter));  // CLI11 takes them reversed
    }
    std::ostringstream outStream;
    std::ostringstream errStream;
    try {
        app.parse(arguments);
        options.algorithms = *ParseAlgorithmList(algorithmNames);
        // The options that overrule each other count in the order given, as in coreutils.
        std::optional<OutputFormat> chosen;
        bool tagged = false;  // the bsd form was asked for
        int binaryMode = -1;  // -1 unset, 0 text (-t), 1 binary (-b, or --tag)
        for (const CLI::Option* given : app.parse_order()) {
            if (given == binary) {
                binaryMode = 1;
            } else if (given == textMode) {
                binaryMode = 0;
            } else if (given == tag || (given == formatOption && format == "bsd")) {
                chosen = OutputFormat::Bsd;
                tagged = true;
                binaryMode = 1;
            } else if (given == untagged || given == formatOption) {
                chosen = given == untagged ? OutputFormat::Gnu : FormatNamed(format);
                options.table =
                    format == "tsv" ? exporting::TableFormat::Tsv : exporting::TableFormat::Csv;
                tagged = false;
            } else if (given == quiet) {
                options.report = CheckReport::Quiet;
            } else if (given == status) {
                options.report = CheckReport::Status;
            } else if (given == warn) {
                options.report = CheckReport::Warn;
            }
        }
        // Refused as coreutils refuses them, with its words and in its order.
        if (tagged && binaryMode == 0) {
            throw CLI::ValidationError("--tag does not support --text mode");
        }
        if (options.check && zero->count() > 0) {
            throw CLI::ValidationError(
                "the --zero option is not supported when verifying checksums");
        }
        if (options.check && tag->count() > 0) {
            throw CLI::ValidationError("the --tag option is meaningless when verifying checksums");
        }
        if (options.check && binaryMode >= 0) {
            throw CLI::ValidationError(
                "the --binary and --text options are meaningless when verifying checksums");
        }
        options.binary = binaryMode == 1;
        // One algorithm is written as its reference tool writes it, several in tagged lines.
        const bool alone = options.algorithms.size() == 1;
        options.format =
            chosen.value_or(alone && !options.algorithms[0].peerLines.tagged ? OutputFormat::Gnu
                                                                             : OutputFormat::Bsd);
        if (options.format == OutputFormat::Sfv &&
            (options.algorithms.size() != 1 || options.algorithms[0].name != "crc32")) {
            throw CLI::ValidationError("--format sfv",
                                       "an SFV file holds CRC-32 codes only: "
                                       "use it with -a crc32");
        }
        if (options.zero && options.format != OutputFormat::Gnu &&
            options.format != OutputFormat::Bsd) {
            throw CLI::ValidationError("--zero", "it ends gnu and bsd lines only");
        }
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return {std::nullopt, code == 0 ? 0 : 2};
    }
    options.algorithmsNamed = algorithm->count() > 0;
    if (messageOption->count() > 0) {
        options.message = message;
        options.textFormat = TextFormatNamed(encoding);
    }
    for (const std::string& operand : operands) {
        options.operands.push_back(platform::DecodeNativeBytes(operand));
    }
    return {std::move(options), 0};
}

}  // namespace hashwell::cli
