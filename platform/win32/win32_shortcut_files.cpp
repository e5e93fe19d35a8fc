#include "platform/win32/win32_shortcut_files.h"

#include "platform/temporary_names.h"
#include "text/utf_conversion.h"

#include <aclapi.h>
#include <sddl.h>

#include <vector>

namespace tessaly::win32 {

namespace {

HResult LastError() {
    return HRESULT_FROM_WIN32(GetLastError());
}

// The SID of the user the process runs as, in its string form.
bool UserSid(std::wstring* sid) {
    ScopedHandle token;
    DWORD size = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive())) {
        return false;
    }
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    ScopedLocal<LPWSTR> text;
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid,
                                text.receive())) {
        return false;
    }
    *sid = text.get();
    return true;
}

// The entries of a descriptor's DACL in SDDL, "(A;;FA;;;SY)...", or "" when
// there are none to read. Only the entries: Wine keeps a file's rights as its
// Unix mode, where "protected" cannot be written down, and shows the entries
// alone.
std::wstring DaclEntries(PSECURITY_DESCRIPTOR descriptor) {
    ScopedLocal<LPWSTR> text;
    if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, text.receive(), nullptr)) {
        return L"";
    }
    const std::wstring sddl = text.get();
    const std::size_t first = sddl.find(L'(');
    return first == std::wstring::npos ? L"" : sddl.substr(first);
}

// S_OK when the open file has the private DACL's entries and no others.
HResult CheckPrivate(HANDLE file) {
    const ScopedLocal<PSECURITY_DESCRIPTOR> wanted = PrivateFileDescriptor();
    if (wanted.get() == nullptr) {
        return LastError();
    }
    ScopedLocal<PSECURITY_DESCRIPTOR> held;
    const DWORD error = GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                        nullptr, nullptr, nullptr, held.receive());
    if (error != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(error);
    }
    const std::wstring entries = DaclEntries(held.get());
    return !entries.empty() && entries == DaclEntries(wanted.get())
               ? S_OK
               : HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
}

// Whether a leftover was last written long enough ago that no run can still
// be writing it: a run takes moments from creating its temporary to moving
// it, so a minute is far beyond any. A time ahead of the clock is never old.
bool WrittenOverAMinuteAgo(const FILETIME& written) {
    constexpr ULONGLONG kMinute = 60ULL * 10'000'000;  // in 100 ns units
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULARGE_INTEGER then = {{written.dwLowDateTime, written.dwHighDateTime}};
    const ULARGE_INTEGER current = {{now.dwLowDateTime, now.dwHighDateTime}};
    return current.QuadPart > then.QuadPart && current.QuadPart - then.QuadPart > kMinute;
}

// Deletes what earlier runs for this shortcut left, stopped before their
// move: files only this shortcut's runs make, and credentials. Nothing else
// is touched.
void RemoveLeftovers(const std::string& folder, const std::string& linkName) {
    WIN32_FIND_DATAW found;
    const ScopedFindHandle search(
        FindFirstFileW(text::Utf8ToWide(folder + TemporaryNamePattern(linkName)).c_str(), &found));
    if (!search.valid()) {
        return;
    }
    do {
        const std::string name = text::WideToUtf8(found.cFileName);
        if (IsTemporaryNameFor(name, linkName) && WrittenOverAMinuteAgo(found.ftLastWriteTime)) {
            DeleteFileW(text::Utf8ToWide(folder + name).c_str());
        }
    } while (FindNextFileW(search.get(), &found));
}

}  // namespace

ScopedLocal<PSECURITY_DESCRIPTOR> PrivateFileDescriptor() {
    ScopedLocal<PSECURITY_DESCRIPTOR> descriptor;
    std::wstring sid;
    if (UserSid(&sid)) {
        // "P": protected, inheriting nothing; full access ("FA") for SYSTEM
        // and the user.
        const std::wstring dacl = L"D:P(A;;FA;;;SY)(A;;FA;;;" + sid + L")";
        ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl.c_str(), SDDL_REVISION_1,
                                                             descriptor.receive(), nullptr);
    }
    return descriptor;
}

HResult Win32ShortcutFiles::CreateTemporary(const std::string& linkFilePath,
                                            std::string* temporaryPath) {
    const std::size_t separator = linkFilePath.rfind('\\') + 1;
    const std::string folder = linkFilePath.substr(0, separator);
    const std::string linkName = linkFilePath.substr(separator);
    RemoveLeftovers(folder, linkName);
    const ScopedLocal<PSECURITY_DESCRIPTOR> descriptor = PrivateFileDescriptor();
    if (descriptor.get() == nullptr) {
        return LastError();  // never a fall-back on the folder's rights
    }
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor.get(), FALSE};
    // CREATE_NEW claims a name no file had, so a file of the user's is never
    // the one written over.
    const DWORD seed = GetTickCount() ^ GetCurrentProcessId() << 4;
    for (DWORD attempt = 0; attempt < 1000; ++attempt) {
        const std::string path = folder + TemporaryNameFor(linkName, seed + attempt);
        const ScopedHandle file(CreateFileW(text::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0,
                                            &attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        if (file.valid()) {
            *temporaryPath = path;
            return S_OK;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
            return LastError();
        }
    }
    return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
}

HResult Win32ShortcutFiles::Replace(const std::string& from, const std::string& to) {
    const std::wstring source = text::Utf8ToWide(from);
    {
        const ScopedHandle file(CreateFileW(source.c_str(), GENERIC_WRITE | READ_CONTROL,
                                            FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            return LastError();
        }
        // A file another run's clean-up took away, and the shell link made
        // anew under the same name, has its folder's rights: it must not
        // become the shortcut.
        const HResult rights = CheckPrivate(file.get());
        if (FAILED(rights)) {
            return rights;
        }
        // On disk before it replaces anything: a power cut after the move
        // must find the whole new shortcut, not an empty or torn one.
        if (!FlushFileBuffers(file.get())) {
            return LastError();
        }
    }
    return MoveFileExW(source.c_str(), text::Utf8ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? S_OK
               : LastError();
}

void Win32ShortcutFiles::Remove(const std::string& path) {
    DeleteFileW(text::Utf8ToWide(path).c_str());
}

bool Win32ShortcutFiles::FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(text::Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tessaly::win32
