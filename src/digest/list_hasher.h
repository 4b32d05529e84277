#pragma once

// The codes of many files, each file read once and its codes computed from the same buffers,
// on several worker threads, with reading ahead of hashing. A large file is read by a thread of
// its own into a ring of buffers that two workers hash at once, each computing part of its codes
// (split by their cost; MD5, SHA-1 and SHA-256 go together through the stitched kernel); every
// other file goes whole to whichever worker is free. Memory stays the same whatever the files'
// sizes.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "digest/code_streams.h"
#include "digest/overlapped_reader.h"
#include "platform/platform.h"

namespace hashwell::digest {

// A file and the codes wanted of it.
struct HashJob {
    platform::Path path;
    std::vector<AlgorithmId> algorithms;
    bool streams = false;  // a pipe or a device at the path is read too (named by the user)
};

// A job's Codes are all empty when the file could not be opened or read to its end, or
// changed while it was read.

class ListHasher {
public:
    // The window's list run: the five codes of each path, on two workers.
    explicit ListHasher(std::vector<platform::Path> paths);
    // Starts hashing at once, on `workers` threads (at least one). The registry must hold the
    // methods.
    ListHasher(std::vector<HashJob> jobs, unsigned workers);
    ~ListHasher();  // waits for the workers
    ListHasher(const ListHasher&) = delete;
    ListHasher& operator=(const ListHasher&) = delete;

    // Waits up to `wait` for the work to end; true when it has.
    bool WaitFor(std::chrono::milliseconds wait);
    // How much is done, 0 to 100; 100 only once every file is finished.
    int PercentDone() const;
    // The bytes read so far, and the files' sizes when the work began.
    std::uint64_t BytesDone() const { return bytesDone_.load(std::memory_order_relaxed); }
    std::uint64_t BytesTotal() const { return bytesTotal_; }
    // Whether the job's codes are final; then CodesOf gives them, before the rest has ended.
    bool IsDone(std::size_t job) const;
    const Codes& CodesOf(std::size_t job) const { return results_[job]; }
    // Once the job is done: why it has no codes, in the system's words; empty when it has them.
    const std::u16string& FailureOf(std::size_t job) const { return failures_[job]; }
    // Once the work has ended: the codes of each job, in the order given.
    const std::vector<Codes>& Results() const { return results_; }

private:
    struct Chunk;
    void Start(unsigned workers);
    void ReadShared();                // the reading thread: the shared files into the ring
    void HashSharedPart(int worker);  // workers 0 and 1: their part of each shared file's codes
    void HashWholeFiles(OverlappedReader& reader);
    void RunWorker(int worker);
    void PartFinished(std::size_t job);
    void Finished();

    std::vector<HashJob> jobs_;
    std::vector<Codes> results_;
    std::vector<std::u16string> failures_;
    // For each shared job: the indices of its algorithms each of the two workers computes.
    std::vector<std::vector<std::size_t>> firstHalf_;
    std::vector<std::vector<std::size_t>> secondHalf_;
    std::vector<std::size_t> shared_;   // the jobs both workers share
    std::vector<std::size_t> whole_;    // the jobs each hashed by one worker
    std::vector<std::uint64_t> sizes_;  // each job's file size when the work began
    std::atomic<std::size_t> nextWhole_{0};
    std::unique_ptr<std::atomic<int>[]> partsLeft_;  // per job: workers still to finish it
    std::unique_ptr<std::atomic<bool>[]> done_;

    // The ring of chunks of the shared files.
    std::vector<Chunk> ring_;
    std::unique_ptr<std::uint8_t[]> ringBytes_;
    std::mutex ringLock_;
    std::condition_variable ringChanged_;
    std::uint64_t chunksRead_ = 0;        // chunks the reading thread has filled
    std::uint64_t chunksHashed_[2] = {};  // chunks each of workers 0 and 1 is done with
    bool sharing_ = false;                // whether there are shared files
    int sharedWorkers_ = 2;               // the workers that hash them: 1 when one alone runs
    std::thread reader_;                  // reads the shared files into the ring

    std::vector<std::unique_ptr<OverlappedReader>> wholeReaders_;  // one per worker
    std::atomic<std::uint64_t> unitsDone_{0};  // bytes, plus a fixed share per finished file
    std::uint64_t unitsTotal_ = 0;
    std::atomic<std::uint64_t> bytesDone_{0};
    std::uint64_t bytesTotal_ = 0;

    mutable std::mutex doneLock_;
    std::condition_variable doneChanged_;
    int workersRunning_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace hashwell::digest
