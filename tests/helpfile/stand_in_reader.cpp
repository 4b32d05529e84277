// A stand-in for the help reader program that misbehaves as its one argument says, for the tests
// of the window's side:
//   dead       ends at once, without a word
//   silent     never answers
//   hang       answers the opening, then never again
//   gone       answers the opening, then closes the socket and ends
//   garbage    answers the request with an unknown status
//   oversized  answers with more than any object of the help may hold
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
        const std::size_t piece = behaviour == "trickle" ? 1 : bytes.size();
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            SendAll(STDOUT_FILENO, std::string_view(bytes).substr(at, piece), std::nullopt);
            std::this_thread::sleep_for(std::chrono::milliseconds(piece == 1 ? 2 : 0));
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
        if (behaviour == "garbage") {
            send(std::string("\x09\0\0\0\0", 5));  // a status that does not exist
        } else {
            send(EncodeAnswer({ReadStatus::Found, behaviour == "oversized"
                                                      ? std::string(kMaxObjectSize + 1, 'x')
                                                      : "<html><title>Page</title></html>"}));
        }
    }
    ::pause();  // until the window ends it
    return 0;
}
