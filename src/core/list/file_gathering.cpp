#include "core/list/file_gathering.h"

#include <atomic>
#include <future>
#include <system_error>
#include <thread>

#include "core/shared/joined_texts.h"
#include "platform/file_walk.h"

namespace hashwell::core {
namespace {

void Walk(const std::vector<platform::Path>& paths, const std::atomic<bool>& stop,
          GatheredFiles& gathered) {
    for (const platform::Path& path : paths) {
        if (!TrimSpaces(path).empty() && !platform::PathExists(path)) {
            gathered.missing.push_back(path);
        }
    }
    platform::FileWalk walk(paths, true, false);
    while (!stop.load(std::memory_order_relaxed)) {
        const std::optional<platform::WalkItem> item = walk.Next();
        if (!item) {
            return;
        }
        // "-" names a file here, as any other name does.
        if (item->kind != platform::WalkItem::Kind::Error && IsReadableFile(item->path)) {
            const std::uint64_t size = platform::RegularFileSize(item->path).value_or(0);
            gathered.files.push_back(item->path);
            gathered.sizes.push_back(size);
            gathered.totalBytes += size;
        }
    }
}

}  // namespace

bool IsReadableFile(const platform::Path& path) {
    return platform::IsRegularFile(path) &&
           platform::CheckFileAccess(path, platform::kFileGenericRead) ==
               platform::kFileGenericRead;
}

RunEnd GatherFiles(Desktop& desktop, EventRecord& events, const std::vector<platform::Path>& paths,
                   MainControl bar, GatheredFiles& gathered) {
    std::atomic<bool> stop{false};
    std::promise<void> walked;
    std::future<void> done = walked.get_future();
    std::thread walker;
    try {
        walker = std::thread([&] {
            Walk(paths, stop, gathered);
            walked.set_value();
        });
    } catch (const std::system_error&) {
        Walk(paths, stop, gathered);  // without a thread, on this one
        return RunEnd::Finished;
    }
    desktop.SetProgress(bar, Controls::kProgressBusy);
    RunEnd end = RunEnd::Finished;
    while (done.wait_for(kRunTick) != std::future_status::ready) {
        end = std::max(end, StopAsked(desktop, events));
        if (end != RunEnd::Finished) {
            stop.store(true);
        }
    }
    walker.join();
    desktop.SetProgress(bar, 0);
    return end;
}

}  // namespace hashwell::core
