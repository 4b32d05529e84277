// The help window trusts nothing the help reader program sends: any bytes coming back over the
// socket decode to answers within the size limit or to a refusal, without reading past them;
// any contents list parses; and no declared object length passes the cap when it cannot be true.
//
// libchm itself is not fuzzed here: it is known to crash on crafted files, which is why it runs
// in the reader process, and what it does there reaches the window only as these bytes.

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "helpfile/limits.h"
#include "helpfile/reader_protocol.h"
#include "helpfile/sitemap.h"

using namespace hashwell::helpfile;

namespace {

void CheckLengthCap(const std::uint8_t* data, std::size_t size) {
    std::uint64_t values[3] = {};
    std::memcpy(values, data, std::min(size, sizeof values));
    const auto [declared, start, fileSize] = values;
    const bool compressed = (start & 1) != 0;
    if (const std::optional<std::size_t> length =
            CheckedObjectLength(declared, start, compressed, fileSize)) {
        if (*length != declared || *length > kMaxObjectSize ||
            (!compressed && (declared > fileSize || start > fileSize - declared))) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ParseSitemap(bytes);
    CheckLengthCap(data, size);

    // The same bytes as the reader's side of the socket sends them, then closes it.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) {
        return 0;
    }
    const bool sent = SendAll(ends[1], bytes, std::nullopt);
    ::close(ends[1]);
    if (!sent) {
        std::abort();  // the socket holds far more than -max_len
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::size_t received = 0;
    while (const std::optional<Answer> answer = ReceiveAnswer(ends[0], deadline)) {
        received += 5 + answer->bytes.size();
        if (answer->bytes.size() > kMaxObjectSize || received > size ||
            (answer->status != ReadStatus::Found && !answer->bytes.empty())) {
            std::abort();
        }
        ParseSitemap(answer->bytes);
    }
    ::close(ends[0]);
    return 0;
}
