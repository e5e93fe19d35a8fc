#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace tessaly::win32 {

// An open registry key, closed when the wrapper goes.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    HKEY get() const { return key_; }
    // For the open call to fill in; the wrapper must be empty.
    HKEY* receive() { return &key_; }

private:
    HKEY key_ = nullptr;
};

// COM initialised on this thread, apartment-threaded as the shell requires,
// for the wrapper's life. Every successful initialisation (S_OK or S_FALSE)
// needs its CoUninitialize; a failed one none.
class ScopedComInit {
public:
    ScopedComInit() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ScopedComInit() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;

private:
    HRESULT result_;
};

// A handle closed by `Close` when the wrapper goes. Closing keeps
// GetLastError() as it was, so a caller may read the reason a call failed
// after the wrappers of that scope are gone.
template <class Closer>
class ScopedKernelHandle {
public:
    explicit ScopedKernelHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedKernelHandle() {
        if (valid()) {
            const DWORD error = GetLastError();
            Closer::Close(handle_);
            SetLastError(error);
        }
    }
    ScopedKernelHandle(const ScopedKernelHandle&) = delete;
    ScopedKernelHandle& operator=(const ScopedKernelHandle&) = delete;

    HANDLE get() const { return handle_; }
    HANDLE* receive() { return &handle_; }
    // CreateFile and FindFirstFile fail with INVALID_HANDLE_VALUE, other
    // calls with nullptr.
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// A kernel object (a file, a token) / a directory search.
struct KernelObjectCloser {
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct SearchCloser {
    static void Close(HANDLE search) { FindClose(search); }
};
using ScopedHandle = ScopedKernelHandle<KernelObjectCloser>;
using ScopedFindHandle = ScopedKernelHandle<SearchCloser>;

// Memory a system call allocated with LocalAlloc, freed with LocalFree,
// which keeps GetLastError() as it was too.
template <class T>
class ScopedLocal {
public:
    ScopedLocal() = default;
    ~ScopedLocal() {
        const DWORD error = GetLastError();
        LocalFree(pointer_);
        SetLastError(error);
    }
    ScopedLocal(ScopedLocal&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ScopedLocal(const ScopedLocal&) = delete;
    ScopedLocal& operator=(const ScopedLocal&) = delete;

    T get() const { return pointer_; }
    T* receive() { return &pointer_; }

private:
    T pointer_ = nullptr;
};

// An item list the shell handed over, freed with the COM task allocator.
class ScopedItemList {
public:
    explicit ScopedItemList(PIDLIST_ABSOLUTE items) : items_(items) {}
    ~ScopedItemList() { CoTaskMemFree(items_); }
    ScopedItemList(const ScopedItemList&) = delete;
    ScopedItemList& operator=(const ScopedItemList&) = delete;

    PIDLIST_ABSOLUTE get() const { return items_; }

private:
    PIDLIST_ABSOLUTE items_;
};

}  // namespace tessaly::win32
