#pragma once

// The files of a run opened ahead of the workers, on a thread of its own, the system told to
// begin reading each at once. A folder not yet in memory is then read several files at a time:
// while the workers hash the files in their hands the disk already serves the next ones, where
// reading one file after another would wait on each in turn. Files found in memory already are
// left to their workers to open, as opening them on a third thread would only cost time.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "digest/run_resources.h"
#include "platform/platform.h"

namespace hashwell::digest {

class FilesOpenedAhead {
public:
    // Opens files 0, 1, ... in that order with `resources.openAhead`, whose paths and sizes are
    // given, keeping within a number of files and of bytes ahead of the workers, while they are
    // found on disk. A file whose `paths` entry is null is left to its worker (a pipe, which
    // opening would wait on).
    FilesOpenedAhead(std::vector<const platform::Path*> paths,
                     const std::vector<std::uint64_t>& sizes, const RunResources& resources);
    ~FilesOpenedAhead();  // stops, waits for the opening thread and closes what is left
    FilesOpenedAhead(const FilesOpenedAhead&) = delete;
    FilesOpenedAhead& operator=(const FilesOpenedAhead&) = delete;

    // Begins opening on a thread had from the resources; without one, workers open their files.
    void Start();
    // A worker takes file `index`: false when it is not opened (yet), and the worker opens it
    // itself rather than wait; true when `file` holds it opened, or nothing with the reason in
    // `failure`.
    bool Take(std::size_t index, std::optional<platform::ReadOnlyFile>* file,
              std::u16string* failure);
    void Stop();  // opens no more

private:
    struct Slot {
        enum class State { Empty, Opening, Passed, Full };
        State state = State::Empty;
        std::size_t index = 0;  // of the file being opened or opened
        std::optional<platform::ReadOnlyFile> file;
        std::u16string failure;
    };
    using State = Slot::State;
    void OpenAhead();
    // With the lock held: whether the next file may be opened now; whether enough may to be
    // worth waking the opening thread for; and waking it.
    bool MayOpenNext() const;
    bool EnoughRoom() const;
    void WakeOpener();

    std::vector<const platform::Path*> paths_;
    std::vector<std::uint64_t> bytesBefore_;  // [i]: the sizes of files 0 to i-1 added up
    const RunResources& resources_;
    std::vector<Slot> slots_;  // file i in slot i % size

    std::mutex lock_;
    std::condition_variable changed_;
    std::size_t reached_ = 0;    // one past the last file a worker has taken
    std::size_t next_ = 0;       // the next file to open
    bool openerSleeps_ = false;  // the opening thread waits to be woken
    bool onDisk_ = false;        // whether the last files looked at were not in memory
    int inMemoryInARow_ = 0;
    std::size_t sinceLookedAt_ = 0;  // files passed over while in memory, counted from 0
    bool stop_ = false;
    std::optional<std::thread> thread_;
};

}  // namespace hashwell::digest
