#include "controls/instance_control.h"

#include "controls/instance_name.h"
#include "win/errors.h"
#include "win/text.h"

namespace vask {
namespace {

// The one live component of this process.
TInstanceControl* liveInstance = nullptr;

// The shared block: 8 bytes that every copy of the program file reads.
struct SharedBlock {
    uint32_t window;  // the window of the copy that registered last
    uint32_t count;   // registered copies
};
static_assert(sizeof(SharedBlock) == 8);

// Window handles carry 32 significant bits and are sign-extended on 64-bit Windows.
uint32_t storedWindow(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }
HWND windowFromStored(uint32_t value) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

// Holds the named mutex for one scope. A mutex abandoned by a copy that
// crashed is ours all the same: the count it guarded is written in one store.
class HeldLock {
public:
    explicit HeldLock(HANDLE mutex) : mutex_(mutex) {
        const DWORD result = WaitForSingleObject(mutex, INFINITE);
        if (result != WAIT_OBJECT_0 && result != WAIT_ABANDONED) win::throwLastError("WaitForSingleObject");
    }
    ~HeldLock() { ReleaseMutex(mutex_); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    HANDLE mutex_;
};

}  // namespace

std::wstring instanceBlockName(const std::wstring& programPath) {
    // Opening for its attributes only: the running program's file lets that.
    const win::FileHandle file(CreateFileW(programPath.c_str(), FILE_READ_ATTRIBUTES,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file && GetFileInformationByHandle(file.get(), &info))
        return win::toWide(
            instanceMappingName(info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow));
    std::wstring longPath(32768, L'\0');
    const DWORD length = GetLongPathNameW(programPath.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    longPath.resize(length > 0 && length < longPath.size() ? length : 0);
    return win::toWide(instanceMappingName(win::toUtf8(longPath.empty() ? programPath : longPath)));
}

TInstanceControl::TInstanceControl(const std::wstring& programPath) {
    if (liveInstance) throw EInstanceControl("Only one copy of this component can be dropped on a form!");
    mappingName_ = instanceBlockName(programPath);
    liveInstance = this;
}

TInstanceControl::~TInstanceControl() {
    liveInstance = nullptr;
    if (!registered_) return;
    try {
        HeldLock held(lock_.get());
        auto* block = static_cast<SharedBlock*>(view_.get());
        if (block->count > 0) --block->count;
    } catch (const std::exception&) {
        // The program is ending; the count goes with the block once no copy holds it.
    }
}

bool TInstanceControl::limitReached() const {
    if (!Enabled) return false;
    const win::KernelHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, mappingName_.c_str()));
    if (!mapping) return false;  // no copy runs
    const win::MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(SharedBlock)));
    return view && static_cast<const SharedBlock*>(view.get())->count >= MaxInstances;
}

bool TInstanceControl::Loaded(HWND applicationWindow) {
    if (!Enabled || mapping_) return counted_;

    // The whole read-compare-increment runs under the lock, so copies started
    // at the same instant can never both take the last place.
    lock_.reset(CreateMutexW(nullptr, FALSE, win::toWide(instanceLockName(win::toUtf8(mappingName_))).c_str()));
    if (!lock_) win::throwLastError("CreateMutex");
    HWND lastInstance = nullptr;
    {
        HeldLock held(lock_.get());
        mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedBlock),
                                          mappingName_.c_str()));
        if (!mapping_) win::throwLastError("CreateFileMapping");
        const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
        view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedBlock)));
        if (!view_) win::throwLastError("MapViewOfFile");
        auto* block = static_cast<SharedBlock*>(view_.get());
        if (!existed || block->count < MaxInstances) {
            block->window = storedWindow(applicationWindow);
            block->count = existed ? block->count + 1 : 1;
            registered_ = true;
            return true;
        }
        counted_ = false;
        lastInstance = windowFromStored(block->window);
    }
    // Outside the lock: the other copy's window may take its time to answer.
    limitReached(applicationWindow, lastInstance);
    return false;
}

void TInstanceControl::limitReached(HWND applicationWindow, HWND lastInstance) {
    ShowWindow(applicationWindow, SW_HIDE);
    if (OnMaxInstancesReached) OnMaxInstancesReached(*this, lastInstance);
    if (IsIconic(lastInstance)) ShowWindow(lastInstance, SW_RESTORE);
    SetForegroundWindow(lastInstance);
}

}  // namespace vask
