#pragma once
// An owned reference to a COM object: released when the owner goes.
#include <unknwn.h>

#include <utility>

namespace vask::win {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(Interface* adopted) : pointer_(adopted) {}  // takes over a reference already counted
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For functions that hand out a new reference through an out parameter.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    // The same, for functions that name the interface's own pointer type.
    Interface** putTyped() { return reinterpret_cast<Interface**>(put()); }
    void reset(Interface* adopted = nullptr) {
        if (pointer_) pointer_->Release();
        pointer_ = adopted;
    }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace vask::win
