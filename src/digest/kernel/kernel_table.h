#pragma once

// Each method's kernels: the portable one and the accelerated ones this build has, best
// first. The best one the processor supports is chosen once; tests may choose another.

#include <atomic>
#include <span>
#include <string_view>

#include "digest/kernel/cpu_features.h"

namespace hashwell::digest {

template <class Function>
struct Kernel {
    std::string_view name;  // "shani", "pclmul", "portable", ...
    bool (*supported)();    // whether this processor can run it
    Function function;
};

inline bool AlwaysSupported() {
    return true;
}

template <class Function>
class KernelTable {
public:
    // `kernels` lists the best first and ends with the portable one, which runs anywhere.
    explicit KernelTable(std::span<const Kernel<Function>> kernels)
        : kernels_(kernels), active_(&Best()) {}

    const Kernel<Function>& Active() const { return *active_.load(std::memory_order_acquire); }
    std::span<const Kernel<Function>> All() const { return kernels_; }

    // Makes the named kernel the one new contexts use; false when it is unknown here or the
    // processor cannot run it.
    bool Select(std::string_view name) {
        for (const Kernel<Function>& kernel : kernels_) {
            if (kernel.name == name && kernel.supported()) {
                active_.store(&kernel, std::memory_order_release);
                return true;
            }
        }
        return false;
    }
    void SelectBest() { active_.store(&Best(), std::memory_order_release); }

private:
    const Kernel<Function>& Best() const {
        if (!PortableKernelsForced()) {
            for (const Kernel<Function>& kernel : kernels_) {
                if (kernel.supported()) {
                    return kernel;
                }
            }
        }
        return kernels_.back();
    }

    std::span<const Kernel<Function>> kernels_;
    std::atomic<const Kernel<Function>*> active_;
};

}  // namespace hashwell::digest
