// An owning reference to a COM interface: one AddRef taken or adopted, one Release given.
#pragma once

#include <objbase.h>

#include <utility>

namespace win32 {

template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference of its own.
    explicit ComPtr(T* object) : object_(object) {
        if (object_)
            object_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }

    // Adopts a reference the caller already owns (an out parameter's).
    static ComPtr Adopt(T* object) {
        ComPtr result;
        result.object_ = object;
        return result;
    }

    void Reset() {
        if (T* object = std::exchange(object_, nullptr))
            object->Release();
    }
    // For out parameters: releases the current reference first.
    T** Receive() {
        Reset();
        return &object_;
    }
    T* Detach() { return std::exchange(object_, nullptr); }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // The object's interface with that id; empty when it does not answer it.
    template <class U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (object_ &&
            FAILED(object_->QueryInterface(iid, reinterpret_cast<void**>(result.Receive()))))
            result.Reset();
        return result;
    }

  private:
    T* object_ = nullptr;
};

}  // namespace win32
