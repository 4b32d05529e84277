#include <windows.h>

#include <stdexcept>
#include <thread>

#include "cli/run_program.h"
#include "platform/unicode.h"

namespace hashwell::test {
namespace {

constexpr DWORD kLongestRunMs = 60'000;

// One argument quoted the way the C runtime's command-line splitting reads it back: backslashes
// are literal except before a quote, where they and the quote are escaped.
std::wstring Quoted(const std::string& utf8) {
    const std::u16string argument = platform::Utf8ToUtf16(utf8);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const char16_t c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == u'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += static_cast<wchar_t>(c);
    }
    quoted.append(2 * backslashes, L'\\');  // before the closing quote
    return quoted + L"\"";
}

// A pipe whose one end the child inherits.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    explicit Pipe(bool childReads) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!::CreatePipe(&read, &write, &inherit, 0) ||
            !::SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0)) {
            throw std::runtime_error("no pipes");
        }
    }
};

void ReadAll(HANDLE from, std::string& into) {
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(from, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        into.append(buffer, got);
    }
    ::CloseHandle(from);
}

void WriteAll(HANDLE to, const std::string& bytes) {
    std::size_t written = 0;
    DWORD put = 0;
    while (written < bytes.size() &&
           ::WriteFile(to, bytes.data() + written, static_cast<DWORD>(bytes.size() - written), &put,
                       nullptr)) {
        written += put;
    }
    ::CloseHandle(to);  // a child that stops reading ends the writing with an error
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder, const std::string& input) {
    Pipe in(true), out(false), err(false);
    std::wstring commandLine = Quoted(program);
    for (const std::string& argument : arguments) {
        commandLine += L" " + Quoted(argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION child{};
    const std::wstring applicationName = std::filesystem::path(program).wstring();
    const bool started =
        ::CreateProcessW(applicationName.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                         nullptr, folder.c_str(), &startup, &child);
    for (HANDLE childEnd : {in.read, out.write, err.write}) {
        ::CloseHandle(childEnd);
    }
    ProgramRun run;
    std::thread writer(WriteAll, in.write, std::cref(input));
    std::thread outReader(ReadAll, out.read, std::ref(run.out));
    std::thread errReader(ReadAll, err.read, std::ref(run.err));
    if (started && ::WaitForSingleObject(child.hProcess, kLongestRunMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(child.hProcess, 1);
        ::WaitForSingleObject(child.hProcess, INFINITE);
    } else if (started) {
        DWORD code = 0;
        ::GetExitCodeProcess(child.hProcess, &code);
        run.exitCode = static_cast<int>(code);
    }
    writer.join();
    outReader.join();
    errReader.join();
    if (started) {
        ::CloseHandle(child.hProcess);
        ::CloseHandle(child.hThread);
    }
    return run;
}

ProgramRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                  const std::string& input) {
    return RunProgram(HASHWELL_CLI_PROGRAM, arguments, folder, input);
}

}  // namespace hashwell::test
