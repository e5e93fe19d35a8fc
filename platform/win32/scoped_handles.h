#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

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

    HRESULT result() const { return result_; }

private:
    HRESULT result_;
};

// Owns one reference to a COM interface.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For CoCreateInstance / QueryInterface to fill in, through IID_PPV_ARGS
    // so that the interface asked for is always the pointer's own.
    Interface** put() {
        Reset();
        return &pointer_;
    }
    void Reset() {
        if (pointer_ != nullptr) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

private:
    Interface* pointer_ = nullptr;
};

// A kernel object handle (a file, a token), closed when the wrapper goes.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE get() const { return handle_; }
    HANDLE* receive() { return &handle_; }
    // CreateFile fails with INVALID_HANDLE_VALUE, other calls with nullptr.
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Memory a system call allocated with LocalAlloc, freed with LocalFree.
template <class T>
class ScopedLocal {
public:
    ScopedLocal() = default;
    ~ScopedLocal() { LocalFree(pointer_); }
    ScopedLocal(ScopedLocal&& other) noexcept : pointer_(other.pointer_) {
        other.pointer_ = nullptr;
    }
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
