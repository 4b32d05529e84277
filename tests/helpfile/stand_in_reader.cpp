// A stand-in for the help reader program that misbehaves as its one argument says, for the tests
// of the window's side:
//   dead       ends at once, without a word
//   silent     never answers
//   hang       answers the opening, then never again
//   gone       answers the opening, then closes the socket and ends
//   garbage    answers the request with an unknown status
//   oversized  declares an answer larger than any object of the help
//   trickle    answers correctly, one byte at a time

#include <unistd.h>

#include <string>
#include <string_view>
#include <thread>

#include "helpfile/limits.h"
#include "helpfile/reader_protocol.h"

using namespace hashwell::helpfile;

int main(int argc, char* argv[]) {
    const std::string_view behaviour = argc == 2 ? argv[1] : "";
    const auto send = [&](const std::string& bytes) {
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            if (behaviour != "trickle") {
                SendAll(STDOUT_FILENO, std::string_view(bytes).substr(at), std::nullopt);
                return;
            }
            SendAll(STDOUT_FILENO, std::string_view(bytes).substr(at, 1), std::nullopt);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    if (behaviour == "dead") {
        return 1;
    }
    if (behaviour != "silent") {
        send(EncodeAnswer({ReadStatus::Found, {}}));
    }
    if (behaviour == "gone") {
        ::close(STDIN_FILENO);
        ::close(STDOUT_FILENO);
        return 0;
    }
    if (behaviour != "silent" && behaviour != "hang" && ReceiveRequest(STDIN_FILENO)) {
        const std::uint32_t tooLong = kMaxObjectSize + 1;
        if (behaviour == "garbage") {
            send(std::string("\x09\0\0\0\0", 5));
        } else if (behaviour == "oversized") {
            send(std::string{'\0', static_cast<char>(tooLong & 0xFF),
                             static_cast<char>((tooLong >> 8) & 0xFF),
                             static_cast<char>((tooLong >> 16) & 0xFF),
                             static_cast<char>(tooLong >> 24)} +
                 "<html>");
        } else {
            send(EncodeAnswer({ReadStatus::Found, "<html><title>Page</title></html>"}));
        }
    }
    ::pause();  // until the window ends it
    return 0;
}
