#pragma once

// Standard output and standard error as the command line uses them: output is buffered and
// written in large pieces, messages go out at once with the program's name in front, and a
// progress line on the terminal is wiped before anything else is written.

#include <string>
#include <string_view>

namespace hashwell::cli {

class Console {
public:
    Console();
    ~Console();  // flushes the output
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void Out(std::string_view bytes);
    // Writes what is buffered; false once writing has failed (the reason in WriteFailure()).
    bool Flush();
    const std::string& WriteFailure() const { return writeFailure_; }

    // "hashwell-cli: <message>" on standard error, after the output buffered before it.
    void Message(std::string_view message);

    // Whether standard error is a terminal, where a progress line may be drawn.
    bool CanShowProgress() const { return terminal_; }
    // Draws the progress line over the previous one.
    void ShowProgress(std::string_view line);
    void ClearProgress();

private:
    std::string buffer_;
    std::string writeFailure_;
    bool terminal_ = false;
    std::size_t progressLength_ = 0;  // what the progress line covers on the terminal now
};

}  // namespace hashwell::cli
