#include "support/oracle.h"

#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace hashwell::test {
namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed with its files at the end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::mt19937_64 random(std::random_device{}() ^
                               static_cast<std::uint64_t>(
                                   std::chrono::steady_clock::now().time_since_epoch().count()));
        path_ = fs::temp_directory_path() / ("hashwell-oracle-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs the command with its output and errors to a file of the folder; its exit status.
int Run(const std::string& command, const TemporaryFolder& folder, std::string& output) {
    const fs::path file = folder.path() / "output.txt";
    const int status = std::system((command + " > \"" + file.string() + "\" 2>&1").c_str());
    std::ifstream in(file, std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return status;
}

// b3sum 1.2 (Debian's package b3sum) over a file per input, one line of hex each.
std::vector<std::string> B3sum(const std::vector<std::span<const std::uint8_t>>& inputs) {
    const TemporaryFolder folder;
    std::string command = "b3sum --no-names";
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const fs::path file = folder.path() / ("input" + std::to_string(i));
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(inputs[i].data()),
                   static_cast<std::streamsize>(inputs[i].size()));
        command += " \"" + file.string() + "\"";
    }
    std::string output;
    if (Run(command, folder, output) != 0) {
        throw std::runtime_error("b3sum failed: " + output);
    }
    std::vector<std::string> codes;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        codes.push_back(line.substr(0, 64));
    }
    if (codes.size() != inputs.size()) {
        throw std::runtime_error("b3sum gave " + std::to_string(codes.size()) + " codes for " +
                                 std::to_string(inputs.size()) + " inputs");
    }
    return codes;
}

}  // namespace

bool OracleHas(const Variant& variant) {
    if (variant.id != digest::AlgorithmId::Blake3) {
        return true;
    }
    static const bool found = [] {
        const TemporaryFolder folder;
        std::string output;
        return Run("b3sum --version", folder, output) == 0;
    }();
    return found;
}

std::vector<std::string> OracleDigests(const Variant& variant,
                                       const std::vector<std::span<const std::uint8_t>>& inputs) {
    if (variant.id == digest::AlgorithmId::Blake3) {
        return B3sum(inputs);
    }
    std::vector<std::string> codes;
    for (const std::span<const std::uint8_t> bytes : inputs) {
        codes.push_back(OracleDigest(variant, bytes));
    }
    return codes;
}

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes) {
    char pair[9];
    if (variant.id == digest::AlgorithmId::Crc32) {
        std::snprintf(pair, sizeof pair, "%08lx", crc32_z(0, bytes.data(), bytes.size()));
        return pair;
    }
    if (variant.id == digest::AlgorithmId::Blake3) {
        return B3sum({bytes}).front();
    }
    std::string hex;
    for (const std::uint8_t byte : LibraryDigest(std::string(variant.tag), bytes)) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

}  // namespace hashwell::test
