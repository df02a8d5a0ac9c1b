#pragma once
// Owning wrappers for every Windows handle the program holds, so that no
// path — early return or exception — leaks one.
#include <windows.h>

#include <utility>

namespace vask::win {

// One owner type; `Traits` says what the empty value is and how to free it.
template <typename Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::empty(); }
    Handle release() { return std::exchange(handle_, Traits::empty()); }
    void reset(Handle handle = Traits::empty()) {
        if (handle_ != Traits::empty()) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::empty();
};

struct KernelHandleTraits {  // events, mutexes, mappings, processes: empty is NULL
    using Handle = HANDLE;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFileW and friends: empty is INVALID_HANDLE_VALUE
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { CloseHandle(h); }
};
struct FindHandleTraits {  // FindFirstFileW: empty is INVALID_HANDLE_VALUE
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { FindClose(h); }
};
struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { RegCloseKey(h); }
};
template <typename T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { DeleteDC(h); }
};
struct MappedViewTraits {
    using Handle = void*;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { UnmapViewOfFile(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { DestroyMenu(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { DestroyIcon(h); }
};
struct ModuleTraits {  // LoadLibraryW
    using Handle = HMODULE;
    static Handle empty() { return nullptr; }
    static void close(Handle h) { FreeLibrary(h); }
};

using KernelHandle = Unique<KernelHandleTraits>;
using FileHandle = Unique<FileHandleTraits>;
using FindHandle = Unique<FindHandleTraits>;
using RegistryKey = Unique<RegistryKeyTraits>;
using Brush = Unique<GdiObjectTraits<HBRUSH>>;
using Pen = Unique<GdiObjectTraits<HPEN>>;
using Font = Unique<GdiObjectTraits<HFONT>>;
using Bitmap = Unique<GdiObjectTraits<HBITMAP>>;
using MemoryDc = Unique<MemoryDcTraits>;
using MappedView = Unique<MappedViewTraits>;
using Menu = Unique<MenuTraits>;
using Icon = Unique<IconTraits>;
using Module = Unique<ModuleTraits>;

// A DC from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint as one scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC for one scope; the old one comes back after.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace vask::win
