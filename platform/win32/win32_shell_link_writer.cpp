#include "platform/win32/win32_shell_link_writer.h"

#include "core/secure_wipe.h"
#include "platform/temporary_names.h"
#include "platform/win32/private_file.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"

#include <shlobj.h>

#include <algorithm>
#include <optional>

namespace tessaly::win32 {

namespace {

// The shell link class, spelled out rather than taken from libuuid, whose one
// object file would bring every GUID it has along. The interfaces' own IDs
// come with their declarations, through IID_PPV_ARGS.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// One text field read into a buffer of INFOTIPSIZE units, the shell's own
// limit for a description and more than a path or the arguments can take,
// and converted strictly with `convert`. The buffer is wiped: it may have
// held the command line.
template <class Text, class Convert, class Getter>
HResult Get(Text* text, Convert convert, Getter get) {
    wchar_t buffer[INFOTIPSIZE] = {};
    HRESULT hr = get(buffer, INFOTIPSIZE);
    if (SUCCEEDED(hr)) {
        std::optional<Text> utf8 = convert(buffer);
        if (utf8) {
            *text = std::move(*utf8);
        } else {
            hr = HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
        }
    }
    SecureWipe(buffer, sizeof buffer);
    return hr;
}

// The shell link object keeps copies of the command line, and of the file
// that holds it, and frees them unwiped when it goes, in whichever heap its
// modules allocate from. Taking back the small freed blocks of every heap of
// the process zeroed, and letting them go again, clears them.
void ClearFreedBlocks() {
    constexpr std::size_t kLargest = 4096;  // more than a shortcut file takes
    constexpr int kPerSize = 4;
    HANDLE heaps[64];
    const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
    for (DWORD n = 0; n < count; ++n) {
        // Locked, so that no other thread allocates from it meanwhile; a heap
        // that cannot be locked is left alone.
        if (!HeapLock(heaps[n])) {
            continue;
        }
        for (std::size_t bytes = 16; bytes <= kLargest; bytes += 16) {
            void* blocks[kPerSize];
            for (void*& block : blocks) {
                block = HeapAlloc(heaps[n], HEAP_ZERO_MEMORY, bytes);
            }
            for (void* block : blocks) {
                HeapFree(heaps[n], 0, block);
            }
        }
        HeapUnlock(heaps[n]);
    }
}

class Win32ShellLink : public ShellLink {
public:
    ~Win32ShellLink() override {
        file_.Reset();
        link_.Reset();
        ClearFreedBlocks();
    }

    HRESULT Create() {
        HRESULT hr = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(link_.put()));
        if (FAILED(hr)) {
            return hr;
        }
        return link_->QueryInterface(IID_PPV_ARGS(file_.put()));
    }

    HResult SetPath(const std::string& targetPath) override {
        return link_->SetPath(Utf8ToWide(targetPath).c_str());
    }
    HResult GetPath(std::string* targetPath) override {
        return Get(targetPath, WellFormedWideToUtf8, [this](wchar_t* text, int size) {
            return link_->GetPath(text, size, nullptr, SLGP_RAWPATH);
        });
    }
    HResult SetArguments(const SecretText& arguments) override {
        return link_->SetArguments(SecretUtf8ToWide(arguments.view()).c_str());
    }
    HResult GetArguments(SecretText* arguments) override {
        return Get(arguments, SecretWellFormedWideToUtf8,
                   [this](wchar_t* text, int size) { return link_->GetArguments(text, size); });
    }
    HResult SetDescription(const std::string& description) override {
        return link_->SetDescription(Utf8ToWide(description).c_str());
    }
    HResult GetDescription(std::string* description) override {
        return Get(description, WellFormedWideToUtf8,
                   [this](wchar_t* text, int size) { return link_->GetDescription(text, size); });
    }
    HResult Save(const std::string& linkFilePath) override {
        return file_->Save(Utf8ToWide(linkFilePath).c_str(), TRUE);
    }
    HResult Load(const std::string& linkFilePath) override {
        return file_->Load(Utf8ToWide(linkFilePath).c_str(), STGM_READ);
    }

private:
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

HResult LastError() {
    return HRESULT_FROM_WIN32(GetLastError());
}

}  // namespace

HResult Win32ShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    auto shellLink = std::make_unique<Win32ShellLink>();
    const HRESULT hr = shellLink->Create();
    if (FAILED(hr)) {
        return hr;
    }
    *link = std::move(shellLink);
    return hr;
}

HResult Win32ShellLinkWriter::CreateTemporary(const std::string& linkFilePath,
                                              std::string* temporaryPath) {
    const std::size_t separator = linkFilePath.rfind('\\') + 1;
    const std::string folder = linkFilePath.substr(0, separator);
    const std::string linkName = linkFilePath.substr(separator);
    // What an earlier run for this shortcut left, stopped before its move:
    // a file only this shortcut's runs make, and a credential. Nothing else
    // is touched.
    WIN32_FIND_DATAW found;
    const std::wstring pattern = Utf8ToWide(TemporaryNameFor(linkName, 0));
    const HANDLE search = FindFirstFileW(
        (Utf8ToWide(folder) + pattern.substr(0, pattern.size() - 3) + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = WideToUtf8(found.cFileName);
            if (IsTemporaryNameFor(name, linkName)) {
                DeleteFileW(Utf8ToWide(folder + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    // CREATE_NEW claims a name no file had, so a file of the user's is never
    // the one written over.
    const DWORD seed = GetTickCount() ^ GetCurrentProcessId() << 4;
    for (DWORD attempt = 0; attempt < 1000; ++attempt) {
        const std::string path = folder + TemporaryNameFor(linkName, seed + attempt);
        const ScopedHandle file(CreatePrivateFile(Utf8ToWide(path)));
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

HResult Win32ShellLinkWriter::Replace(const std::string& from, const std::string& to) {
    const std::wstring source = Utf8ToWide(from);
    {
        // On disk before it replaces anything: a power cut after the move
        // must find the whole new shortcut, not an empty or torn one.
        const ScopedHandle file(CreateFileW(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() || !FlushFileBuffers(file.get())) {
            return LastError();
        }
    }
    return MoveFileExW(source.c_str(), Utf8ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? S_OK
               : LastError();
}

void Win32ShellLinkWriter::Remove(const std::string& path) {
    DeleteFileW(Utf8ToWide(path).c_str());
}

bool Win32ShellLinkWriter::FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tessaly::win32
