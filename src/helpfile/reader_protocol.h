#pragma once

// What the help window and the help reader program (hashwell-help-reader) say to each other
// over the socket between them, one request and its answer at a time.
//
//   request: kind (1 byte: 'P' a page, 'C' the contents list), name length (4 bytes, little
//            endian), the name
//   answer:  status (1 byte, ReadStatus), length (4 bytes, little endian), the bytes
//
// Right after it starts, before any request, the reader sends one answer for opening the file.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hashwell::helpfile {

enum class ReadStatus : std::uint8_t {
    Found,       // the file is open, or the object is there: its bytes follow
    Missing,     // the file holds no object of that name
    Damaged,     // the file is no compiled help file, or what it says of itself cannot be true
    Unreadable,  // the file, or the reader program, cannot be opened
};

struct Answer {
    ReadStatus status = ReadStatus::Damaged;
    std::string bytes;  // only when found
    bool operator==(const Answer&) const = default;
};

enum class RequestKind : char { Page = 'P', Contents = 'C' };

struct Request {
    RequestKind kind = RequestKind::Page;
    std::string name;  // of the page; empty for the contents list
};

std::string EncodeRequest(const Request& request);
std::string EncodeAnswer(const Answer& answer);

// When a wait on the socket gives up; none: wait as long as it takes.
using Deadline = std::optional<std::chrono::steady_clock::time_point>;

// Sends all of `bytes`, however few the socket takes at a time. False when the other side is
// gone (never a SIGPIPE), the deadline passed, or the socket fails.
bool SendAll(int socket, std::string_view bytes, Deadline deadline);

// One answer of the reader program. Nothing when the socket closes or fails before it is whole,
// the deadline passes, or what comes is no answer: an unknown status, bytes with a status that
// has none, or more than kMaxObjectSize of them.
std::optional<Answer> ReceiveAnswer(int socket, Deadline deadline);

// One request of the window, waiting as long as it takes. Nothing at the socket's end, or for
// what is no request (an unknown kind, a name longer than kMaxNameLength).
std::optional<Request> ReceiveRequest(int socket);

}  // namespace hashwell::helpfile
