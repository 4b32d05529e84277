#pragma once

// Tables of test cases in tests/data: one case a line, its fields separated by tabs, "#"
// starting a comment line; in a field, \t \n \r \\ and \xHH stand for those bytes (\uXXXX is
// left for readers of UTF-16 units).

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/vector_file.h"

namespace hashwell::test {

// The bytes a field stands for.
inline std::string Unescaped(std::string_view field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size() || field[i + 1] == 'u') {
            bytes += field[i];
            continue;
        }
        const char next = field[++i];
        if (next == 'x') {
            bytes += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        }
    }
    return bytes;
}

// The rows of the table tests/data/`name`, each field unescaped.
inline std::vector<std::vector<std::string>> ReadTable(const std::string& name) {
    std::istringstream text(ReadTestData(name));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(text, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        std::vector<std::string>& row = rows.emplace_back();
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            row.push_back(Unescaped(std::string_view(line).substr(start, tab - start)));
        }
        row.push_back(Unescaped(std::string_view(line).substr(start)));
    }
    return rows;
}

// A field's text as UTF-16, in which \uXXXX stands for one code unit.
inline std::u16string Unescape(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\\u") {
            result +=
                static_cast<char16_t>(std::stoi(std::string(text.substr(i + 2, 4)), nullptr, 16));
            i += 5;
        } else {
            result += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
        }
    }
    return result;
}

}  // namespace hashwell::test
