#include "support/vector_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace hashwell::test {

std::string ReadTestData(const std::string& name) {
    std::ifstream in(std::string(HASHWELL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read test data " + name);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string HexToBytes(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::vector<KnownAnswer> ReadVectorFile(const std::string& name) {
    std::istringstream in(ReadTestData(name));
    std::vector<KnownAnswer> answers;
    KnownAnswer current;
    long pattern = 256;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::string key, equals, value;  // a comment's words fall through
        std::istringstream(line) >> key >> equals >> value;
        if (key.starts_with('[')) {
            current.section = key.substr(1, key.find(']') - 1);
        } else if (key == "In") {
            current.input = HexToBytes(value);
        } else if (key == "Repeat") {
            std::string repeated;
            for (long n = std::stol(value); n > 0; --n) {
                repeated += current.input;
            }
            current.input = repeated;
        } else if (key == "Pattern") {
            pattern = std::stol(value);
        } else if (key == "Length") {
            current.input.resize(std::stoul(value));
            for (std::size_t i = 0; i < current.input.size(); ++i) {
                current.input[i] = static_cast<char>(static_cast<long>(i % pattern));
            }
        } else if (key == "Out") {
            current.expected = value;
            current.line = number;
            answers.push_back(current);
        }
    }
    return answers;
}

}  // namespace hashwell::test
