#include "digest/work_plan.h"

#include "digest/code_streams.h"

namespace hashwell::digest {

WorkPlan PlanWork(const std::vector<HashJob>& jobs, const std::vector<std::uint64_t>& sizes,
                  unsigned workers) {
    WorkPlan plan;
    plan.firstPart.resize(jobs.size());
    plan.secondPart.resize(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const bool shared =
            workers >= 2 && sizes[i] >= kSharedFromSize && !jobs[i].algorithms.empty();
        if (!shared) {
            plan.whole.push_back(i);
            continue;
        }
        if (jobs[i].algorithms.size() == 1) {
            plan.secondPart[i] = {0};
        } else {
            SplitByCost(jobs[i].algorithms, plan.firstPart[i], plan.secondPart[i]);
        }
        plan.shared.push_back(i);
    }
    return plan;
}

}  // namespace hashwell::digest
