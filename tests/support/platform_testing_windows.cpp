#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "support/platform_testing.h"

namespace hashwell::test {

const char16_t* const kEndlessDevice = u"\\\\.\\NUL";

namespace {

// Gives the entry a protected access list of its own that lets everyone do `everyoneMay`.
// SetFileSecurity changes this entry only: nothing passes on to the entries inside a folder.
void SetRights(const std::filesystem::path& path, DWORD everyoneMay) {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    alignas(DWORD) BYTE aclBytes[256];
    ACL* acl = reinterpret_cast<ACL*>(aclBytes);
    SECURITY_DESCRIPTOR descriptor;
    const bool set =
        ::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone) &&
        ::InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) &&
        (everyoneMay == 0 || ::AddAccessAllowedAce(acl, ACL_REVISION, everyoneMay, everyone)) &&
        ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
        ::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
        ::SetSecurityDescriptorControl(&descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED) &&
        ::SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, &descriptor);
    if (everyone != nullptr) {
        ::FreeSid(everyone);
    }
    if (!set) {
        throw std::runtime_error("cannot set the rights to " + path.string());
    }
}

}  // namespace

void DenyAllAccess(const std::filesystem::path& path) {
    SetRights(path, 0);
}

void DenyCreatingFiles(const std::filesystem::path& folder) {
    SetRights(folder, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE);
}

void RestoreAccess(const std::filesystem::path& path) {
    try {
        SetRights(path, FILE_ALL_ACCESS);
    } catch (const std::runtime_error&) {
    }
    ::SetFileAttributesW(path.c_str(),
                         ::GetFileAttributesW(path.c_str()) & ~FILE_ATTRIBUTE_READONLY);
}

bool RunWithoutPrivileges(const std::function<bool()>& check) {
    return check();  // an access list binds every user who does not claim backup rights
}

bool ReadsEveryFile() {
    return false;
}

bool MakeSymbolicLink(const std::filesystem::path& target, const std::filesystem::path& link,
                      bool toFolder) {
    const DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE |
                        (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    return ::CreateSymbolicLinkW(link.c_str(), target.c_str(), flags);
}

unsigned AnsiCodePage() {
    return ::GetACP();
}

const char* const kCacheVariable = "LOCALAPPDATA";

void SetVariable(const char* name, const std::optional<std::string>& value) {
    const auto wide = [](const std::string& text) {
        return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
    };
    // Through the C runtime, whose copy of the environment std::getenv reads, which also sets
    // the system's; an empty value removes the variable.
    ::_wputenv_s(wide(name).c_str(), value ? wide(*value).c_str() : L"");
}

bool UnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::u16string AccessDeniedReason() {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, ERROR_ACCESS_DENIED, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string reason(reinterpret_cast<const char16_t*>(text), length);
    ::LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == u'\n' || reason.back() == u'\r' || reason.back() == u'.')) {
        reason.pop_back();
    }
    return reason;
}

FileThatFailsToRead::FileThatFailsToRead(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "locked-bytes.bin";
    std::ofstream(file, std::ios::binary) << "locked";
    // Reading only, so that the reader's own opening (sharing reads only) is not refused.
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    OVERLAPPED whole{};
    if (handle == INVALID_HANDLE_VALUE ||
        !::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                      MAXDWORD, &whole)) {
        throw std::runtime_error("cannot lock " + file.string());
    }
    lock_ = handle;
    path_ = file.u16string();
}

FileThatFailsToRead::~FileThatFailsToRead() {
    if (lock_ != nullptr) {
        ::CloseHandle(static_cast<HANDLE>(lock_));
    }
}

}  // namespace hashwell::test
