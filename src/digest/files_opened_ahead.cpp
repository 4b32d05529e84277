#include "digest/files_opened_ahead.h"

#include <algorithm>

namespace hashwell::digest {
namespace {

// How far the opening runs ahead of the workers. Many small files in flight let the disk serve
// them together (20,000 files of 16 KiB out of the page cache, on a virtual machine's disk:
// 0.56 s advised ahead against 2.6 s read one after another; the run took 1.14 s with 32 files
// ahead, 0.95 with 128 or 256); the bytes bound keeps the pages read ahead from pushing out of
// memory what is still to be hashed.
constexpr std::size_t kFilesAhead = 128;
constexpr std::uint64_t kBytesAhead = 32 * 1024 * 1024;
// Once ahead, the opening thread sleeps until it can open this many files again (and has a
// quarter of the bytes free): woken for every file, it would cost the workers more than it
// saves them.
constexpr std::size_t kBatch = 16;
// Files already in memory are better opened by their workers: a third thread opening them
// costs two cores about 8% of a run over small cached files. So while the files are found in
// memory only every kProbeEvery-th one (the first among them) is opened ahead, to see whether
// they still are; one found on disk opens all ahead, until kBackInMemory in a row are found in
// memory again.
constexpr std::size_t kProbeEvery = 16;
constexpr int kBackInMemory = 64;

}  // namespace

FilesOpenedAhead::FilesOpenedAhead(std::vector<const platform::Path*> paths,
                                   const std::vector<std::uint64_t>& sizes,
                                   const RunResources& resources)
    : paths_(std::move(paths)),
      bytesBefore_(paths_.size() + 1),
      resources_(resources),
      slots_(kFilesAhead) {
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        bytesBefore_[i + 1] = bytesBefore_[i] + sizes[i];
    }
}

FilesOpenedAhead::~FilesOpenedAhead() {
    Stop();
    if (thread_) {
        thread_->join();
    }
}

void FilesOpenedAhead::Start() {
    if (resources_.openAhead && !paths_.empty()) {
        thread_ = resources_.startThread([this] { OpenAhead(); });
    }
}

bool FilesOpenedAhead::Take(std::size_t index, std::optional<platform::ReadOnlyFile>* file,
                            std::u16string* failure) {
    if (index >= paths_.size()) {
        return false;
    }
    std::lock_guard lock(lock_);
    reached_ = std::max(reached_, index + 1);
    Slot& slot = slots_[index % slots_.size()];
    const bool mine = slot.index == index;
    if (mine && slot.state == State::Opening) {
        slot.state = State::Passed;  // its worker does not wait: the opening thread drops it
    }
    const bool opened = mine && slot.state == State::Full;
    if (opened) {
        slot.state = State::Empty;
        *file = std::move(slot.file);
        slot.file.reset();
        *failure = std::move(slot.failure);
    }
    if (openerSleeps_ && EnoughRoom()) {
        WakeOpener();
    }
    return opened;
}

void FilesOpenedAhead::WakeOpener() {
    openerSleeps_ = false;
    changed_.notify_one();
}

void FilesOpenedAhead::Stop() {
    std::lock_guard lock(lock_);
    stop_ = true;
    WakeOpener();
}

bool FilesOpenedAhead::MayOpenNext() const {
    // Files the workers have taken already are theirs to open.
    const std::size_t next = std::max(next_, reached_);
    return next < paths_.size() && slots_[next % slots_.size()].state == State::Empty &&
           next - reached_ < kFilesAhead &&
           bytesBefore_[next] - bytesBefore_[reached_] < kBytesAhead;
}

bool FilesOpenedAhead::EnoughRoom() const {
    const std::size_t next = std::max(next_, reached_);
    return MayOpenNext() && next + kBatch <= reached_ + kFilesAhead &&
           bytesBefore_[next] - bytesBefore_[reached_] <= kBytesAhead / 4 * 3;
}

void FilesOpenedAhead::OpenAhead() {
    std::unique_lock lock(lock_);
    for (;;) {
        if (!stop_ && !MayOpenNext()) {
            if (std::max(next_, reached_) >= paths_.size()) {
                return;  // every file is opened or taken
            }
            openerSleeps_ = true;
            changed_.wait(lock, [this] { return !openerSleeps_; });
        }
        if (stop_) {
            return;
        }
        if (!MayOpenNext()) {
            continue;
        }
        next_ = std::max(next_, reached_);
        const std::size_t index = next_++;
        const platform::Path* path = paths_[index];
        if (path == nullptr || (!onDisk_ && ++sinceLookedAt_ % kProbeEvery != 1)) {
            continue;  // left to its worker
        }
        Slot& slot = slots_[index % slots_.size()];
        slot.state = State::Opening;
        slot.index = index;
        lock.unlock();
        std::u16string failure;
        bool inMemory = false;
        std::optional<platform::ReadOnlyFile> file =
            resources_.openAhead(*path, &failure, &inMemory);
        lock.lock();
        if (file && !inMemory) {
            onDisk_ = true;
            inMemoryInARow_ = 0;
        } else if (file && onDisk_ && ++inMemoryInARow_ >= kBackInMemory) {
            onDisk_ = false;
        }
        if (slot.state == State::Passed) {
            slot.state = State::Empty;  // its worker opened it meanwhile; closed here
        } else {
            slot.file = std::move(file);
            slot.failure = std::move(failure);
            slot.state = State::Full;
        }
    }
}

}  // namespace hashwell::digest
