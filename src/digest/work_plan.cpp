#include "digest/work_plan.h"

#include <algorithm>

#include "digest/code_streams.h"

namespace hashwell::digest {
namespace {

// Splits the job's codes other than its shared BLAKE3 one between the two workers by cost.
void SplitTheOthers(const HashJob& job, std::optional<std::size_t> tree,
                    std::vector<std::size_t>& first, std::vector<std::size_t>& second) {
    std::vector<AlgorithmId> others;
    std::vector<std::size_t> indexOf;
    for (std::size_t i = 0; i < job.algorithms.size(); ++i) {
        if (i != tree) {
            others.push_back(job.algorithms[i]);
            indexOf.push_back(i);
        }
    }
    if (others.size() == 1 && !tree) {
        second = {indexOf[0]};  // the first worker reads ahead for it
        return;
    }
    if (!others.empty()) {
        SplitByCost(others, first, second);
    }
    for (std::vector<std::size_t>* part : {&first, &second}) {
        for (std::size_t& i : *part) {
            i = indexOf[i];
        }
    }
}

}  // namespace

WorkPlan PlanWork(const std::vector<HashJob>& jobs, const std::vector<std::uint64_t>& sizes,
                  unsigned workers) {
    WorkPlan plan;
    plan.firstPart.resize(jobs.size());
    plan.secondPart.resize(jobs.size());
    plan.sharedTree.resize(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::vector<AlgorithmId>& algorithms = jobs[i].algorithms;
        const bool shared = workers >= 2 && sizes[i] >= kSharedFromSize && !algorithms.empty();
        if (!shared) {
            plan.whole.push_back(i);
            continue;
        }
        const auto blake3 = std::ranges::find(algorithms, AlgorithmId::Blake3);
        if (blake3 != algorithms.end()) {
            plan.sharedTree[i] = static_cast<std::size_t>(blake3 - algorithms.begin());
        }
        SplitTheOthers(jobs[i], plan.sharedTree[i], plan.firstPart[i], plan.secondPart[i]);
        plan.shared.push_back(i);
    }
    return plan;
}

}  // namespace hashwell::digest
