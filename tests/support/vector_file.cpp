#include "support/vector_file.h"

#include <fstream>
#include <stdexcept>

namespace hashwell::test {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string TestDataPath(const std::string& name) {
    return std::string(HASHWELL_TEST_DATA_DIR) + "/" + name;
}

std::string ReadTestData(const std::string& name) {
    std::ifstream in(TestDataPath(name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read test data " + name);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string HexToBytes(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::vector<KnownAnswer> ReadVectorFile(const std::string& name) {
    std::ifstream in(TestDataPath(name));
    if (!in) {
        throw std::runtime_error("cannot read vector file " + name);
    }
    std::vector<KnownAnswer> answers;
    KnownAnswer current;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            current.section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const auto equals = line.find('=');
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "In") {
            current.input = HexToBytes(value);
        } else if (key == "Repeat") {
            std::string repeated;
            for (long n = std::stol(value); n > 0; --n) {
                repeated += current.input;
            }
            current.input = repeated;
        } else if (key == "Out") {
            current.expected = value;
            current.line = number;
            answers.push_back(current);
        }
    }
    return answers;
}

}  // namespace hashwell::test
