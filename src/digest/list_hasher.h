#pragma once

// The codes of many files on several worker threads, each file read once and its codes
// computed from the same buffers, reading ahead of hashing. The work is shared out by a
// WorkPlan: the large files through a ChunkRing that two workers hash at once, every other file
// whole by whichever worker is free, through an OverlappedReader of its own, opened a few files
// ahead (FilesOpenedAhead). Memory stays the same whatever the files' sizes.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "digest/chunk_ring.h"
#include "digest/code_streams.h"
#include "digest/files_opened_ahead.h"
#include "digest/overlapped_reader.h"
#include "digest/run_progress.h"
#include "digest/run_resources.h"
#include "digest/shared_tree.h"
#include "digest/work_plan.h"

namespace hashwell::digest {

// A job's Codes are all empty when the file could not be opened or read to its end, or
// changed while it was read.
class ListHasher {
public:
    // The window's list run: the list-run codes of each path, on two workers.
    explicit ListHasher(std::vector<platform::Path> paths);
    // Starts hashing at once, on `workers` threads (at least one). The registry must hold the
    // methods. Without memory every job fails; without threads the work is done on this one.
    ListHasher(std::vector<HashJob> jobs, unsigned workers,
               const RunResources& resources = SystemResources());
    ~ListHasher();  // waits for the workers
    ListHasher(const ListHasher&) = delete;
    ListHasher& operator=(const ListHasher&) = delete;

    // Abandons the files being hashed and starts no other: each worker ends after the piece
    // (at most a chunk) in its hands. The jobs not done then stay undone, without codes.
    void Stop();

    // Waits up to `wait` for the work to end; true when it has.
    bool WaitFor(std::chrono::milliseconds wait);
    // How much is done, 0 to 100; 100 only once every file is finished.
    int PercentDone() const;
    // The bytes read so far.
    std::uint64_t BytesDone() const { return progress_.Bytes(); }
    // Whether the job's codes are final; then CodesOf gives them, before the rest has ended.
    bool IsDone(std::size_t job) const;
    const Codes& CodesOf(std::size_t job) const { return results_[job]; }
    const HashJob& Job(std::size_t job) const { return jobs_[job]; }
    // Once the job is done: why it has no codes, in the system's words; empty when it has them.
    const std::u16string& FailureOf(std::size_t job) const { return failures_[job]; }
    // Once the work has ended: the codes of each job, in the order given.
    const std::vector<Codes>& Results() const { return results_; }

private:
    void Start(unsigned workers);
    void RunWorker(int worker);
    void HashSharedPart(int worker);  // workers 0 and 1: their part of each shared file's codes
    void HashWholeFiles(OverlappedReader& reader);
    // The BLAKE3 code of a shared file that both workers compute, made by the first to ask.
    SharedBlake3* SharedTreeOf(std::size_t job);
    void ForgetSharedTree(std::size_t job);
    void PartFinished(std::size_t job);
    void Finished();

    std::vector<HashJob> jobs_;
    const RunResources& resources_;
    std::vector<Codes> results_;
    std::vector<std::u16string> failures_;
    std::vector<std::uint64_t> sizes_;  // each job's file size when the work began
    WorkPlan plan_;
    RunProgress progress_;
    std::atomic<std::size_t> nextWhole_{0};
    std::atomic<bool> stopping_{false};
    std::unique_ptr<std::atomic<int>[]> partsLeft_;  // per job: workers still to finish it
    std::unique_ptr<std::atomic<bool>[]> done_;

    ChunkRing ring_;
    std::mutex treesLock_;
    std::map<std::size_t, std::unique_ptr<SharedBlake3>> trees_;   // of the shared files in hand
    bool sharing_ = false;                                         // whether there are shared files
    std::vector<std::unique_ptr<OverlappedReader>> wholeReaders_;  // one per worker
    std::unique_ptr<FilesOpenedAhead> openedAhead_;                // the whole files

    mutable std::mutex doneLock_;
    std::condition_variable doneChanged_;
    int workersRunning_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace hashwell::digest
