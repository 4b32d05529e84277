#include "digest/list_hasher.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "digest/file_digest.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kChunkSize = kFileReadBufferSize;
constexpr std::size_t kRingChunks = 4;

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

std::vector<std::uint64_t> SizesOf(const std::vector<HashJob>& jobs) {
    std::vector<std::uint64_t> sizes;
    sizes.reserve(jobs.size());
    for (const HashJob& job : jobs) {
        sizes.push_back(job.size ? *job.size : platform::RegularFileSize(job.path).value_or(0));
    }
    return sizes;
}

}  // namespace

ListHasher::ListHasher(std::vector<platform::Path> paths)
    : ListHasher(ListRunJobs(std::move(paths)), 2) {}

ListHasher::ListHasher(std::vector<HashJob> jobs, unsigned workers, const RunResources& resources)
    : jobs_(std::move(jobs)),
      resources_(resources),
      results_(jobs_.size()),
      failures_(jobs_.size()),
      sizes_(SizesOf(jobs_)),
      plan_(PlanWork(jobs_, sizes_, std::max(workers, 1u))),
      progress_(sizes_),
      partsLeft_(new std::atomic<int>[jobs_.size()]),
      done_(new std::atomic<bool>[jobs_.size()]),
      ring_(kChunkSize, kRingChunks, resources) {
    workers = std::max(workers, 1u);
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        results_[i].assign(jobs_[i].algorithms.size(), std::string());
        done_[i].store(false);
        partsLeft_[i].store(1);
    }
    for (const std::size_t job : plan_.shared) {
        partsLeft_[job].store(2);
    }
    bool ready = ring_.Ready();
    for (unsigned worker = 0; worker < workers && ready; ++worker) {
        wholeReaders_.push_back(std::make_unique<OverlappedReader>(kChunkSize, 3, resources));
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
    Start(workers);
}

void ListHasher::Start(unsigned workers) {
    sharing_ = !plan_.shared.empty();
    std::vector<const platform::Path*> wholePaths;
    std::vector<std::uint64_t> wholeSizes;
    for (const std::size_t job : plan_.whole) {
        // What the user named to be read as a stream is opened by its worker: a pipe's opening
        // waits for its writer.
        wholePaths.push_back(jobs_[job].streams ? nullptr : &jobs_[job].path);
        wholeSizes.push_back(sizes_[job]);
    }
    openedAhead_ =
        std::make_unique<FilesOpenedAhead>(std::move(wholePaths), wholeSizes, resources_);
    workersRunning_ = static_cast<int>(workers);
    unsigned started = 0;
    for (; started < workers; ++started) {
        std::optional<std::thread> thread = resources_.startThread([this, started] {
            RunWorker(static_cast<int>(started));
            Finished();
        });
        if (!thread) {
            break;
        }
        workers_.push_back(std::move(*thread));
    }
    if (started < workers) {
        std::lock_guard lock(doneLock_);
        workersRunning_ = static_cast<int>(started);
    }
    if (started < 2 && sharing_) {
        // One worker (or this thread) computes all codes of the shared files.
        ring_.SetReaders(1);
        for (const std::size_t job : plan_.shared) {
            partsLeft_[job].store(1);
        }
    }
    if (sharing_ && !ring_.Start(
                        plan_.shared,
                        [this](std::size_t file, std::u16string* failure) {
                            return OpenInput(jobs_[file], failure);
                        },
                        failures_, [this](std::size_t bytes) { progress_.BytesRead(bytes); })) {
        // The shared files cannot be read ahead: they are hashed whole. The workers wait for
        // the ring's first chunk, so the whole files are theirs only after its end is told.
        for (const std::size_t job : plan_.shared) {
            partsLeft_[job].store(1);
        }
        plan_.whole.insert(plan_.whole.end(), plan_.shared.begin(), plan_.shared.end());
        plan_.shared.clear();
        ring_.EndUnread();
    }
    openedAhead_->Start();
    if (started == 0) {
        RunWorker(0);  // everything on this thread, the shared files read ahead all the same
    }
}

ListHasher::~ListHasher() {
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void ListHasher::RunWorker(int worker) {
    if (sharing_) {
        if (worker < ring_.Readers()) {
            HashSharedPart(worker);
        } else {
            // The whole files are known once the ring has begun: without a reading thread of
            // its own the shared files join them.
            ring_.Wait(0);
        }
    }
    HashWholeFiles(*wholeReaders_[static_cast<std::size_t>(worker)]);
}

void ListHasher::Stop() {
    stopping_.store(true);
    ring_.Stop();
    if (openedAhead_) {
        openedAhead_->Stop();
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
    return progress_.Percent();
}

bool ListHasher::IsDone(std::size_t job) const {
    return done_[job].load(std::memory_order_acquire);
}

void ListHasher::PartFinished(std::size_t job) {
    if (partsLeft_[job].fetch_sub(1, std::memory_order_acq_rel) == 1) {
        progress_.FileFinished();
        done_[job].store(true, std::memory_order_release);
    }
}

void ListHasher::Finished() {
    std::lock_guard lock(doneLock_);
    if (--workersRunning_ == 0) {
        doneChanged_.notify_all();
    }
}

SharedBlake3* ListHasher::SharedTreeOf(std::size_t job) {
    std::lock_guard lock(treesLock_);
    std::unique_ptr<SharedBlake3>& tree = trees_[job];
    if (!tree) {
        tree = std::make_unique<SharedBlake3>(kChunkSize, kRingChunks);
    }
    return tree.get();
}

void ListHasher::ForgetSharedTree(std::size_t job) {
    std::lock_guard lock(treesLock_);
    trees_.erase(job);
}

void ListHasher::HashSharedPart(int worker) {
    std::optional<CodeStreams> streams;
    SharedBlake3* tree = nullptr;
    for (std::uint64_t next = 0;; ++next) {
        const ChunkRing::Chunk& chunk = ring_.Wait(next);
        if (chunk.file == ChunkRing::kEnd || stopping_.load()) {
            return;
        }
        const bool both = ring_.Readers() == 2;
        if (!streams) {
            const HashJob& job = jobs_[chunk.file];
            streams.emplace(job.algorithms, !both         ? AllOf(job)
                                            : worker == 0 ? plan_.firstPart[chunk.file]
                                                          : plan_.secondPart[chunk.file]);
            tree = both && plan_.sharedTree[chunk.file] ? SharedTreeOf(chunk.file) : nullptr;
        }
        const std::span<const std::uint8_t> bytes(chunk.bytes, chunk.failed ? 0 : chunk.length);
        streams->Add(bytes);
        if (tree != nullptr && tree->Add(worker, bytes, chunk.last)) {
            if (!chunk.failed) {
                results_[chunk.file][plan_.sharedTree[chunk.file].value()] = tree->Code();
            }
            ForgetSharedTree(chunk.file);
        }
        if (chunk.last) {
            if (!chunk.failed) {
                streams->FinishInto(results_[chunk.file]);
            }
            streams.reset();
            tree = nullptr;
            PartFinished(chunk.file);
        }
        ring_.Done(worker, next);
    }
}

void ListHasher::HashWholeFiles(OverlappedReader& reader) {
    for (;;) {
        const std::size_t index = nextWhole_.fetch_add(1);
        if (index >= plan_.whole.size() || stopping_.load()) {
            return;
        }
        const std::size_t file = plan_.whole[index];
        std::u16string& failure = failures_[file];
        std::optional<platform::ReadOnlyFile> input;
        if (!openedAhead_->Take(index, &input, &failure)) {
            input = OpenInput(jobs_[file], &failure);
        }
        if (input) {
            CodeStreams streams(jobs_[file].algorithms, AllOf(jobs_[file]));
            FileSource source(*input);
            reader.Start(source, input->IsStream() ? OverlappedReader::kUnknownSize : sizes_[file]);
            for (;;) {
                if (stopping_.load()) {
                    reader.Abandon();  // before the file closes
                    return;
                }
                const Piece piece = reader.Next(&failure);
                if (piece.failed) {
                    break;
                }
                streams.Add(piece.bytes);
                progress_.BytesRead(piece.bytes.size());
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
