#pragma once

// The best two cores can do with the five codes of the list run over many small files, each
// worker hashing whole files: the five kernels' times one after another over all the bytes,
// plus reading the files from the page cache, over two.

#include <filesystem>
#include <vector>

namespace hashwell::bench {

struct TwoCoreBound {
    double kernels;  // seconds: CRC-32, MD5, SHA-1, SHA-256 and SHA3-256 one after another
    double read;     // seconds: reading the files from the page cache, one thread
    double Seconds() const { return (kernels + read) / 2; }
};

TwoCoreBound MeasureTwoCoreBound(const std::vector<std::filesystem::path>& files);

}  // namespace hashwell::bench
