// hashwell-help-reader FILE.chm: reads a compiled help file with libchm for the help window, in a
// process of its own, so that a damaged or crafted file can crash or stall only this process.
// Its standard input and output are one socket to the window (helpfile/reader_protocol.h): it
// answers first for opening the file, then each request, until the window closes the socket.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "helpfile/chm_file.h"
#include "helpfile/reader_protocol.h"
#include "platform/unicode.h"

using namespace hashwell;
using helpfile::ReadStatus;

namespace {

// CPU seconds one answer may take: the window gives up on a stuck reader after a few seconds and
// ends it; this ends it too when nothing waits for it.
constexpr rlim_t kCpuSecondsPerAnswer = 2;
// The address space libchm may fill: a few of the largest objects and its decompression windows.
constexpr rlim_t kAddressSpace = rlim_t{512} << 20;

void Limit(int resource, rlim_t value) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? value : std::min(value, limit.rlim_max);
        ::setrlimit(resource, &limit);
    }
}

// The CPU time limit is counted from the start of the process: it is moved on before each
// answer, so that only a stuck answer reaches it (SIGXCPU ends the process).
void AllowCpuForOneAnswer() {
    rusage used{};
    ::getrusage(RUSAGE_SELF, &used);
    const auto seconds =
        static_cast<rlim_t>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) + 1 + kCpuSecondsPerAnswer;
    Limit(RLIMIT_CPU, seconds);
}

bool Answer(const helpfile::Answer& answer) {
    return helpfile::SendAll(STDOUT_FILENO, helpfile::EncodeAnswer(answer), std::nullopt);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hashwell-help-reader FILE.chm (started by Hashwell)\n");
        return 2;
    }
    ::close_range(3, ~0U, 0);             // nothing of the window's but the socket
    Limit(RLIMIT_CORE, 0);                // a crash leaves no core file in the user's folder
    Limit(RLIMIT_FSIZE, 0);               // nor does anything else write a file
#ifndef HASHWELL_UNLIMITED_ADDRESS_SPACE  // AddressSanitizer reserves terabytes for itself
    Limit(RLIMIT_AS, kAddressSpace);
#endif
    AllowCpuForOneAnswer();

    ReadStatus failure = ReadStatus::Damaged;
    const std::optional<helpfile::ChmFile> file =
        helpfile::ChmFile::Open(platform::DecodeNativeBytes(argv[1]), &failure);
    if (!Answer({file ? ReadStatus::Found : failure, {}}) || !file) {
        return 0;
    }
    while (const std::optional<helpfile::Request> request =
               helpfile::ReceiveRequest(STDIN_FILENO)) {
        AllowCpuForOneAnswer();
        if (!Answer(request->kind == helpfile::RequestKind::Contents ? file->Contents()
                                                                     : file->Read(request->name))) {
            return 1;
        }
    }
    return 0;
}
