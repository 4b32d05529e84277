#include "digest/list_hasher.h"

#include <algorithm>
#include <array>
#include <new>
#include <numeric>
#include <optional>

#include "digest/digest.h"
#include "digest/digest_method.h"
#include "digest/file_digest.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kChunkSize = kFileReadBufferSize;
constexpr std::size_t kRingChunks = 4;
// Files from this size on are worth sharing between two workers chunk by chunk.
constexpr std::uint64_t kSharedFromSize = 4 * kChunkSize;
// What finishing a file counts for in the progress, besides its bytes.
constexpr std::uint64_t kUnitsPerFile = 64 * 1024;
constexpr std::size_t kNoFile = static_cast<std::size_t>(-1);

std::vector<std::size_t> AllOf(const HashJob& job) {
    std::vector<std::size_t> all(job.algorithms.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

std::optional<platform::ReadOnlyFile> OpenInput(const HashJob& job, std::u16string* failure) {
    return job.streams ? platform::ReadOnlyFile::OpenFileOrStream(job.path, failure)
                       : platform::ReadOnlyFile::OpenRegular(job.path, failure);
}

std::vector<HashJob> ListRunJobs(std::vector<platform::Path> paths) {
    std::vector<HashJob> jobs;
    jobs.reserve(paths.size());
    for (platform::Path& path : paths) {
        jobs.push_back(
            {std::move(path), {std::begin(kListRunAlgorithms), std::end(kListRunAlgorithms)}});
    }
    return jobs;
}

}  // namespace

struct ListHasher::Chunk {
    std::size_t file = kNoFile;  // kNoFile: the end of the shared files
    std::uint8_t* bytes = nullptr;
    std::size_t length = 0;
    bool last = false;    // the file's last chunk
    bool failed = false;  // the file could not be opened or read to its end
};

ListHasher::ListHasher(std::vector<platform::Path> paths)
    : ListHasher(ListRunJobs(std::move(paths)), 2) {}

ListHasher::ListHasher(std::vector<HashJob> jobs, unsigned workers)
    : jobs_(std::move(jobs)),
      results_(jobs_.size()),
      failures_(jobs_.size()),
      firstHalf_(jobs_.size()),
      secondHalf_(jobs_.size()),
      sizes_(jobs_.size()),
      partsLeft_(new std::atomic<int>[jobs_.size()]),
      done_(new std::atomic<bool>[jobs_.size()]) {
    workers = std::max(workers, 1u);
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        results_[i].assign(jobs_[i].algorithms.size(), std::string());
        done_[i].store(false);
        sizes_[i] = platform::RegularFileSize(jobs_[i].path).value_or(0);
        const bool shared =
            workers >= 2 && sizes_[i] >= kSharedFromSize && !jobs_[i].algorithms.empty();
        if (shared) {
            if (jobs_[i].algorithms.size() == 1) {
                secondHalf_[i] = {0};  // one code: one worker hashes while the other reads ahead
            } else {
                SplitByCost(jobs_[i].algorithms, firstHalf_[i], secondHalf_[i]);
            }
            shared_.push_back(i);
        } else {
            whole_.push_back(i);
        }
        partsLeft_[i].store(shared ? 2 : 1);
        unitsTotal_ += sizes_[i] + kUnitsPerFile;
        bytesTotal_ += sizes_[i];
    }
    ring_.resize(kRingChunks);
    ringBytes_.reset(new (std::nothrow) std::uint8_t[kRingChunks * kChunkSize]);
    bool ready = ringBytes_ != nullptr;
    for (unsigned worker = 0; worker < workers && ready; ++worker) {
        wholeReaders_.push_back(std::make_unique<OverlappedReader>(kChunkSize));
        ready = wholeReaders_.back()->Ready();
    }
    if (!ready) {
        // No memory: every file fails, as a file that cannot be read.
        for (std::size_t i = 0; i < jobs_.size(); ++i) {
            failures_[i] = u"Not enough memory";
            done_[i].store(true);
        }
        return;
    }
    for (std::size_t i = 0; i < kRingChunks; ++i) {
        ring_[i].bytes = ringBytes_.get() + i * kChunkSize;
    }
    Start(workers);
}

void ListHasher::Start(unsigned workers) {
    sharing_ = !shared_.empty();
    workersRunning_ = static_cast<int>(workers);
    unsigned started = 0;
    try {
        for (; started < workers; ++started) {
            workers_.emplace_back([this, started] {
                RunWorker(static_cast<int>(started));
                Finished();
            });
        }
    } catch (...) {  // no thread, or no memory for one
        std::lock_guard lock(doneLock_);
        workersRunning_ = static_cast<int>(started);
    }
    if (started < 2 && sharing_) {
        // One worker (or this thread) computes all codes of the shared files.
        std::lock_guard lock(ringLock_);
        sharedWorkers_ = 1;
        for (const std::size_t job : shared_) {
            partsLeft_[job].store(1);
        }
    }
    if (sharing_) {
        try {
            reader_ = std::thread([this] { ReadShared(); });
        } catch (...) {
            // The shared files cannot be read ahead: they are hashed whole. The workers still
            // wait for the first chunk, so whole_ is theirs to read only after the end mark.
            {
                std::lock_guard lock(ringLock_);
                for (const std::size_t job : shared_) {
                    partsLeft_[job].store(1);
                }
                whole_.insert(whole_.end(), shared_.begin(), shared_.end());
                shared_.clear();
                ring_[0].file = kNoFile;
                chunksRead_ = 1;
            }
            ringChanged_.notify_all();
        }
    }
    if (started == 0) {
        RunWorker(0);  // everything on this thread, the shared files read ahead all the same
    }
}

ListHasher::~ListHasher() {
    for (std::thread& worker : workers_) {
        worker.join();
    }
    if (reader_.joinable()) {
        reader_.join();
    }
}

void ListHasher::RunWorker(int worker) {
    bool shares = false;
    {
        std::lock_guard lock(ringLock_);
        shares = sharing_ && worker < sharedWorkers_;
    }
    if (shares) {
        HashSharedPart(worker);
    }
    HashWholeFiles(*wholeReaders_[static_cast<std::size_t>(worker)]);
}

bool ListHasher::WaitFor(std::chrono::milliseconds wait) {
    std::unique_lock lock(doneLock_);
    return doneChanged_.wait_for(lock, wait, [this] { return workersRunning_ == 0; });
}

int ListHasher::PercentDone() const {
    {
        std::lock_guard lock(doneLock_);
        if (workersRunning_ == 0) {
            return 100;
        }
    }
    if (unitsTotal_ == 0) {
        return 0;
    }
    // A file that grew while it was read may carry the count past the total.
    const std::uint64_t done = unitsDone_.load(std::memory_order_relaxed);
    return static_cast<int>(std::min<std::uint64_t>(99, done * 100 / unitsTotal_));
}

bool ListHasher::IsDone(std::size_t job) const {
    return done_[job].load(std::memory_order_acquire);
}

void ListHasher::PartFinished(std::size_t job) {
    if (partsLeft_[job].fetch_sub(1, std::memory_order_acq_rel) == 1) {
        unitsDone_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
        done_[job].store(true, std::memory_order_release);
    }
}

void ListHasher::Finished() {
    std::lock_guard lock(doneLock_);
    if (--workersRunning_ == 0) {
        doneChanged_.notify_all();
    }
}

void ListHasher::ReadShared() {
    std::uint64_t next = 0;
    // Hands chunk `next` to the workers once it has been filled.
    auto publish = [&] {
        {
            std::lock_guard lock(ringLock_);
            chunksRead_ = ++next;
        }
        ringChanged_.notify_all();
    };
    // The chunk to fill next, once every worker is done with what it held.
    auto freeChunk = [&]() -> Chunk& {
        std::unique_lock lock(ringLock_);
        ringChanged_.wait(lock, [&] {
            const std::uint64_t hashed = sharedWorkers_ == 1
                                             ? chunksHashed_[0]
                                             : std::min(chunksHashed_[0], chunksHashed_[1]);
            return next - hashed < kRingChunks;
        });
        return ring_[next % kRingChunks];
    };

    for (const std::size_t file : shared_) {
        std::u16string& failure = failures_[file];
        std::optional<platform::ReadOnlyFile> input = OpenInput(jobs_[file], &failure);
        bool failed = !input;
        bool last = failed;
        do {
            Chunk& chunk = freeChunk();
            chunk.file = file;
            chunk.length = 0;
            if (!failed) {
                FileSource source(*input);
                const Piece piece = ReadPiece(source, chunk.bytes, kChunkSize, &failure);
                chunk.length = piece.bytes.size();
                last = piece.last;
                failed = piece.failed;
            }
            chunk.failed = failed;
            chunk.last = last;
            unitsDone_.fetch_add(chunk.length, std::memory_order_relaxed);
            bytesDone_.fetch_add(chunk.length, std::memory_order_relaxed);
            publish();
        } while (!last);
    }
    Chunk& end = freeChunk();
    end.file = kNoFile;
    publish();
}

void ListHasher::HashSharedPart(int worker) {
    std::optional<CodeStreams> streams;
    for (std::uint64_t next = 0;; ++next) {
        Chunk* chunk = nullptr;
        bool alone = false;
        {
            std::unique_lock lock(ringLock_);
            ringChanged_.wait(lock, [&] { return chunksRead_ > next; });
            chunk = &ring_[next % kRingChunks];
            alone = sharedWorkers_ == 1;
        }
        if (chunk->file == kNoFile) {
            return;
        }
        if (!streams) {
            const HashJob& job = jobs_[chunk->file];
            streams.emplace(job.algorithms, alone         ? AllOf(job)
                                            : worker == 0 ? firstHalf_[chunk->file]
                                                          : secondHalf_[chunk->file]);
        }
        if (!chunk->failed) {
            streams->Add({chunk->bytes, chunk->length});
        }
        if (chunk->last) {
            if (!chunk->failed) {
                streams->FinishInto(results_[chunk->file]);
            }
            streams.reset();
            PartFinished(chunk->file);
        }
        {
            std::lock_guard lock(ringLock_);
            chunksHashed_[worker] = next + 1;
        }
        ringChanged_.notify_all();
    }
}

void ListHasher::HashWholeFiles(OverlappedReader& reader) {
    for (;;) {
        const std::size_t index = nextWhole_.fetch_add(1);
        if (index >= whole_.size()) {
            return;
        }
        const std::size_t file = whole_[index];
        std::u16string& failure = failures_[file];
        std::optional<platform::ReadOnlyFile> input = OpenInput(jobs_[file], &failure);
        if (input) {
            CodeStreams streams(jobs_[file].algorithms, AllOf(jobs_[file]));
            FileSource source(*input);
            reader.Start(source, input->IsStream() ? OverlappedReader::kUnknownSize : sizes_[file]);
            for (;;) {
                const Piece piece = reader.Next(&failure);
                if (piece.failed) {
                    break;
                }
                streams.Add(piece.bytes);
                unitsDone_.fetch_add(piece.bytes.size(), std::memory_order_relaxed);
                bytesDone_.fetch_add(piece.bytes.size(), std::memory_order_relaxed);
                if (piece.last) {
                    streams.FinishInto(results_[file]);
                    break;
                }
            }
        }
        PartFinished(file);
    }
}

}  // namespace hashwell::digest
