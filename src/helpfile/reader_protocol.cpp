#include "helpfile/reader_protocol.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "helpfile/limits.h"

namespace hashwell::helpfile {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kHeaderSize = 5;

std::string Message(char kind, std::string_view bytes) {
    const auto length = static_cast<std::uint32_t>(bytes.size());
    std::string message{kind};
    for (int shift = 0; shift < 32; shift += 8) {
        message += static_cast<char>((length >> shift) & 0xFF);
    }
    message += bytes;
    return message;
}

// Waits until the socket is ready for `events`; false once the deadline has passed or poll
// fails. A signal that interrupts the wait only shortens it.
bool WaitFor(int socket, short events, Deadline deadline) {
    for (;;) {
        int timeout = -1;
        if (deadline) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
            if (left <= 0) {
                return false;
            }
            timeout = static_cast<int>(std::min<decltype(left)>(left, 60'000));
        }
        pollfd watched{socket, events, 0};
        const int ready = ::poll(&watched, 1, timeout);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

// Fills `size` bytes at `data`, however they arrive; false at the socket's end, on a failure,
// or past the deadline.
bool ReceiveExactly(int socket, char* data, std::size_t size, Deadline deadline) {
    while (size > 0) {
        if (!WaitFor(socket, POLLIN, deadline)) {
            return false;
        }
        const ssize_t got = ::recv(socket, data, size, MSG_DONTWAIT);
        if (got == 0) {
            return false;
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            return false;
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

// The first byte of a message and the length its next four declare.
std::optional<std::pair<std::uint8_t, std::size_t>> ReceiveHeader(int socket, Deadline deadline) {
    std::array<char, kHeaderSize> header{};
    if (!ReceiveExactly(socket, header.data(), header.size(), deadline)) {
        return std::nullopt;
    }
    std::uint32_t length = 0;
    for (std::size_t i = 1; i < kHeaderSize; ++i) {
        length |= std::uint32_t{static_cast<unsigned char>(header[i])} << (8 * (i - 1));
    }
    return std::pair{static_cast<std::uint8_t>(header[0]), std::size_t{length}};
}

}  // namespace

std::string EncodeRequest(const Request& request) {
    return Message(static_cast<char>(request.kind), request.name);
}

std::string EncodeAnswer(const Answer& answer) {
    return Message(static_cast<char>(answer.status), answer.bytes);
}

bool SendAll(int socket, std::string_view bytes, Deadline deadline) {
    while (!bytes.empty()) {
        if (!WaitFor(socket, POLLOUT, deadline)) {
            return false;
        }
        const ssize_t sent =
            ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::optional<Answer> ReceiveAnswer(int socket, Deadline deadline) {
    const auto header = ReceiveHeader(socket, deadline);
    if (!header || header->first > static_cast<std::uint8_t>(ReadStatus::Unreadable)) {
        return std::nullopt;
    }
    Answer answer{static_cast<ReadStatus>(header->first), {}};
    const std::size_t length = header->second;
    if (length > kMaxObjectSize || (answer.status != ReadStatus::Found && length != 0)) {
        return std::nullopt;
    }
    answer.bytes.resize(length);
    if (!ReceiveExactly(socket, answer.bytes.data(), length, deadline)) {
        return std::nullopt;
    }
    return answer;
}

std::optional<Request> ReceiveRequest(int socket) {
    const auto header = ReceiveHeader(socket, std::nullopt);
    if (!header || header->second > kMaxNameLength ||
        (header->first != static_cast<std::uint8_t>(RequestKind::Page) &&
         header->first != static_cast<std::uint8_t>(RequestKind::Contents))) {
        return std::nullopt;
    }
    Request request{static_cast<RequestKind>(header->first), std::string(header->second, '\0')};
    if (!ReceiveExactly(socket, request.name.data(), request.name.size(), std::nullopt)) {
        return std::nullopt;
    }
    return request;
}

}  // namespace hashwell::helpfile
