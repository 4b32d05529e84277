#include "digest/list_hasher.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <optional>

#include "digest/digest.h"
#include "digest/digest_method.h"
#include "digest/file_digest.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kChunkSize = kFileReadBufferSize;
constexpr std::size_t kRingChunks = 3;
// Files from this size on are worth sharing between two workers chunk by chunk.
constexpr std::uint64_t kSharedFromSize = 4 * kChunkSize;
// What finishing a file counts for in the progress, besides its bytes.
constexpr std::uint64_t kUnitsPerFile = 64 * 1024;
constexpr std::size_t kNoFile = static_cast<std::size_t>(-1);

// What hashing a byte costs each method, roughly: the inverse of its speed with the kernels
// of a current processor (SHA3-256 weighs as much as MD5, SHA-1 and SHA-256 together).
double CostOf(const HashAlgorithm& algorithm) {
    switch (algorithm.method) {
        case HashMethod::Crc32:
            return 0.05;
        case HashMethod::Md5:
            return 1.6;
        case HashMethod::Sha1:
            return 0.65;
        case HashMethod::Sha2:
            return algorithm.bits == 384 || algorithm.bits == 512 ? 1.55 : 0.7;
        case HashMethod::Sha3:
            return 0.01 * (algorithm.bits == 0 ? 256 : algorithm.bits) - 0.15;
        default:
            return 1.0;
    }
}

// The algorithms split in two parts of about equal cost: the dearest first, each to the part
// that costs less so far.
void SplitByCost(const std::vector<HashAlgorithm>& algorithms, std::vector<std::size_t>& first,
                 std::vector<std::size_t>& second) {
    std::vector<std::size_t> order(algorithms.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CostOf(algorithms[a]) > CostOf(algorithms[b]);
    });
    double firstCost = 0;
    double secondCost = 0;
    for (const std::size_t index : order) {
        (firstCost <= secondCost ? first : second).push_back(index);
        (firstCost <= secondCost ? firstCost : secondCost) += CostOf(algorithms[index]);
    }
}

// Some of a job's codes, computed from the same bytes.
class Streams {
public:
    Streams(const std::vector<HashAlgorithm>& algorithms, const std::vector<std::size_t>& which)
        : which_(which), streams_(which.size()) {
        for (std::size_t i = 0; i < which.size(); ++i) {
            streams_[i].emplace(algorithms[which[i]].method, algorithms[which[i]].bits, 0);
        }
    }
    void Add(std::span<const std::uint8_t> bytes) {
        for (std::optional<DigestStream>& stream : streams_) {
            stream->Add(bytes);
        }
    }
    void FinishInto(Codes& codes) {
        for (std::size_t i = 0; i < which_.size(); ++i) {
            codes[which_[i]] = streams_[i]->Finish();
        }
    }

private:
    std::vector<std::size_t> which_;
    std::vector<std::optional<DigestStream>> streams_;  // not movable: made in place
};

std::vector<std::size_t> AllOf(const HashJob& job) {
    std::vector<std::size_t> all(job.algorithms.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

// Whether the bytes read are the file as it was opened; if not, says so in `failure`.
bool ReadWhole(const platform::ReadOnlyFile& input, std::u16string& failure) {
    if (input.ReadAsOpened()) {
        return true;
    }
    failure = kChangedWhileRead;
    return false;
}

std::vector<HashJob> ListRunJobs(std::vector<platform::Path> paths) {
    std::vector<HashJob> jobs;
    jobs.reserve(paths.size());
    for (platform::Path& path : paths) {
        jobs.push_back({std::move(path), ListRunAlgorithms()});
    }
    return jobs;
}

}  // namespace

std::vector<HashAlgorithm> ListRunAlgorithms() {
    return {{HashMethod::Crc32, 0},
            {HashMethod::Md5, 0},
            {HashMethod::Sha1, 0},
            {HashMethod::Sha2, 256},
            {HashMethod::Sha3, 256}};
}

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
      partsLeft_(new std::atomic<int>[jobs_.size()]),
      done_(new std::atomic<bool>[jobs_.size()]) {
    workers = std::max(workers, 1u);
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        results_[i].assign(jobs_[i].algorithms.size(), std::string());
        done_[i].store(false);
        const std::uint64_t size = platform::RegularFileSize(jobs_[i].path).value_or(0);
        const bool shared = workers >= 2 && size >= kSharedFromSize && !jobs_[i].algorithms.empty();
        if (shared) {
            if (jobs_[i].algorithms.size() == 1) {
                // One code: the first worker only reads, so that reading overlaps hashing.
                secondHalf_[i] = {0};
            } else {
                SplitByCost(jobs_[i].algorithms, firstHalf_[i], secondHalf_[i]);
            }
            shared_.push_back(i);
        } else {
            whole_.push_back(i);
        }
        partsLeft_[i].store(shared ? 2 : 1);
        unitsTotal_ += size + kUnitsPerFile;
        bytesTotal_ += size;
    }
    ring_.resize(kRingChunks);
    ringBytes_.reset(new (std::nothrow) std::uint8_t[kRingChunks * kChunkSize]);
    wholeBuffers_.reset(new (std::nothrow) std::uint8_t[workers * kChunkSize]);
    if (!ringBytes_ || !wholeBuffers_) {
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
    workersRunning_ = static_cast<int>(workers);
    workers_.reserve(workers);
    try {
        if (workers >= 2) {
            // The second worker starts first: it only waits for chunks, so if the first cannot
            // start it is simply told that there are none.
            workers_.emplace_back([this] {
                HashSharedSecondHalf();
                HashWholeFiles(wholeBuffers_.get() + kChunkSize);
                Finished();
            });
            workers_.emplace_back([this] {
                ReadAndHashShared();
                HashWholeFiles(wholeBuffers_.get());
                Finished();
            });
        } else {
            workers_.emplace_back([this] {
                HashWholeFiles(wholeBuffers_.get());
                Finished();
            });
        }
        for (unsigned worker = 2; worker < workers; ++worker) {
            workers_.emplace_back([this, worker] {
                HashWholeFiles(wholeBuffers_.get() + worker * kChunkSize);
                Finished();
            });
        }
    } catch (...) {  // no thread, or no memory for one
        // The shared files cannot be shared now: they are hashed whole, on this thread and on
        // the workers that run.
        {
            std::lock_guard lock(ringLock_);
            workersRunning_ = static_cast<int>(workers_.size());
            if (workers_.size() < 2) {
                for (const std::size_t job : shared_) {
                    partsLeft_[job].store(1);
                }
                whole_.insert(whole_.end(), shared_.begin(), shared_.end());
                shared_.clear();
                ring_[0].file = kNoFile;
                chunksRead_ = 1;
            }
        }
        ringChanged_.notify_all();
        if (workers_.size() < 2) {
            HashWholeFiles(wholeBuffers_.get());  // the first worker's buffer: it never began
        }
    }
}

ListHasher::~ListHasher() {
    for (std::thread& worker : workers_) {
        worker.join();
    }
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
        done_[job].store(true, std::memory_order_release);
    }
}

void ListHasher::Finished() {
    std::lock_guard lock(doneLock_);
    if (--workersRunning_ == 0) {
        doneChanged_.notify_all();
    }
}

void ListHasher::ReadAndHashShared() {
    std::uint64_t next = 0;
    // Hands chunk `next` to the other worker once it has been filled.
    auto publish = [&] {
        {
            std::lock_guard lock(ringLock_);
            chunksRead_ = ++next;
        }
        ringChanged_.notify_all();
    };
    auto freeChunk = [&]() -> Chunk& {
        std::unique_lock lock(ringLock_);
        ringChanged_.wait(lock, [&] { return next - chunksHashed_ < kRingChunks; });
        return ring_[next % kRingChunks];
    };

    for (const std::size_t file : shared_) {
        std::u16string& failure = failures_[file];
        std::optional<platform::ReadOnlyFile> input =
            platform::ReadOnlyFile::OpenRegular(jobs_[file].path, &failure);
        Streams streams(jobs_[file].algorithms, firstHalf_[file]);
        bool failed = !input;
        bool last = failed;
        do {
            Chunk& chunk = freeChunk();
            chunk.file = file;
            chunk.length = 0;
            if (!failed) {
                const std::optional<std::size_t> got =
                    input->Read(chunk.bytes, kChunkSize, &failure);
                chunk.length = got.value_or(0);
                last = !got || chunk.length < kChunkSize;
                failed = !got || (last && !ReadWhole(*input, failure));
            }
            chunk.failed = failed;
            chunk.last = last;
            publish();
            if (!failed) {
                streams.Add({chunk.bytes, chunk.length});
            }
            unitsDone_.fetch_add(chunk.length, std::memory_order_relaxed);
            bytesDone_.fetch_add(chunk.length, std::memory_order_relaxed);
        } while (!last);
        if (!failed) {
            streams.FinishInto(results_[file]);
        }
        PartFinished(file);
    }
    Chunk& end = freeChunk();
    end.file = kNoFile;
    publish();
}

void ListHasher::HashSharedSecondHalf() {
    std::optional<Streams> streams;
    for (std::uint64_t next = 0;; ++next) {
        Chunk* chunk = nullptr;
        {
            std::unique_lock lock(ringLock_);
            ringChanged_.wait(lock, [&] { return chunksRead_ > next; });
            chunk = &ring_[next % kRingChunks];
        }
        if (chunk->file == kNoFile) {
            return;
        }
        if (!streams) {
            streams.emplace(jobs_[chunk->file].algorithms, secondHalf_[chunk->file]);
        }
        if (!chunk->failed) {
            streams->Add({chunk->bytes, chunk->length});
        }
        if (chunk->last) {
            if (!chunk->failed) {
                streams->FinishInto(results_[chunk->file]);
            }
            streams.reset();
            unitsDone_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
            PartFinished(chunk->file);
        }
        {
            std::lock_guard lock(ringLock_);
            chunksHashed_ = next + 1;
        }
        ringChanged_.notify_all();
    }
}

void ListHasher::HashWholeFiles(std::uint8_t* buffer) {
    for (;;) {
        const std::size_t index = nextWhole_.fetch_add(1);
        if (index >= whole_.size()) {
            return;
        }
        const std::size_t file = whole_[index];
        std::u16string& failure = failures_[file];
        std::optional<platform::ReadOnlyFile> input =
            platform::ReadOnlyFile::OpenRegular(jobs_[file].path, &failure);
        if (input) {
            Streams streams(jobs_[file].algorithms, AllOf(jobs_[file]));
            for (;;) {
                const std::optional<std::size_t> got = input->Read(buffer, kChunkSize, &failure);
                if (!got) {
                    break;
                }
                streams.Add({buffer, *got});
                unitsDone_.fetch_add(*got, std::memory_order_relaxed);
                bytesDone_.fetch_add(*got, std::memory_order_relaxed);
                if (*got < kChunkSize) {
                    if (ReadWhole(*input, failure)) {
                        streams.FinishInto(results_[file]);
                    }
                    break;
                }
            }
        }
        unitsDone_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
        PartFinished(file);
    }
}

}  // namespace hashwell::digest
