#include <windows.h>

#include "cli/run_program.h"
#include "platform/unicode.h"
#include "support/scratch_folder.h"

namespace hashwell::test {
namespace {

constexpr DWORD kLongestRunMs = 60'000;

// One argument as the C runtime's command-line splitting reads it back; the tests' arguments
// hold no double quote and end in no backslash, which would need escaping.
std::wstring Quoted(const std::string& utf8) {
    const std::u16string argument = platform::Utf8ToUtf16(utf8);
    return L"\"" + std::wstring(argument.begin(), argument.end()) + L"\"";
}

// A file that the child takes as one of its standard handles.
HANDLE Inherited(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder) {
    const ScratchFolder streams;
    std::wstring commandLine = Quoted(program);
    for (const std::string& argument : arguments) {
        commandLine += L" " + Quoted(argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Inherited(L"NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = Inherited(streams.Child("out"), GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = Inherited(streams.Child("err"), GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION child{};
    const std::wstring applicationName = std::filesystem::path(program).wstring();
    const bool started =
        ::CreateProcessW(applicationName.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                         nullptr, folder.c_str(), &startup, &child);
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        ::CloseHandle(handle);
    }
    ProgramRun run;
    if (started) {
        if (::WaitForSingleObject(child.hProcess, kLongestRunMs) != WAIT_OBJECT_0) {
            ::TerminateProcess(child.hProcess, 1);
            ::WaitForSingleObject(child.hProcess, INFINITE);
        } else {
            DWORD code = 0;
            ::GetExitCodeProcess(child.hProcess, &code);
            run.exitCode = static_cast<int>(code);
        }
        ::CloseHandle(child.hProcess);
        ::CloseHandle(child.hThread);
    }
    run.out = streams.Read("out");
    run.err = streams.Read("err");
    return run;
}

}  // namespace hashwell::test
