#pragma once

#include "framework/exceptions.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <typeinfo>
#include <utility>

namespace fw {

struct ClassInfo;

// Every window, control, menu item, picture and the like is a reference-counted Object. The count is
// intrusive, so a method can take a strong reference to its own object (Ref<T>(this)) before running code
// that may drop the last outside reference, such as a handler that closes its own window.
// One thread uses these objects: the count is not atomic.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // The class whose declared properties the property-string reader walks, most derived first.
    virtual const ClassInfo& GetClass() const;
    // How error messages name this object, e.g. "EditField 'EditField1'".
    virtual std::string Describe() const;

    void AddRef() const noexcept { ++refs_; }
    void Release() const noexcept {
        if (--refs_ == 0)
            delete this;
    }
    std::int32_t RefCount() const noexcept { return refs_; }

private:
    mutable std::int32_t refs_ = 0;
};

[[noreturn]] void ThrowNilObject(const std::type_info& type);

// The C++ name of a type for messages ("fw::Window"); the compiler's mangled name where it cannot be read.
std::string TypeName(const std::type_info& type);

// A strong reference. Returned references belong to the caller; arguments are lent as const Ref<T>& or T&;
// holders keep their own Ref. Using a nil Ref (->, *) raises NilObjectException in place of the call.
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T* p) noexcept : p_(p) {
        if (p_)
            p_->AddRef();
    }
    Ref(const Ref& o) noexcept : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    // Only up the class chain: a Ref to a derived class is a Ref to its base. Going down is RefCast's,
    // which checks the object's class.
    template <std::derived_from<T> U>
    Ref(const Ref<U>& o) noexcept : Ref(o.Get()) {}
    template <std::derived_from<T> U>
    Ref(Ref<U>&& o) noexcept : p_(o.Leak()) {}
    ~Ref() {
        if (p_)
            p_->Release();
    }

    Ref& operator=(const Ref& o) noexcept {
        Ref(o).Swap(*this); // safe for self-assignment: the copy holds the object first
        return *this;
    }
    Ref& operator=(Ref&& o) noexcept {
        Ref(std::move(o)).Swap(*this);
        return *this;
    }
    Ref& operator=(std::nullptr_t) noexcept {
        Ref().Swap(*this);
        return *this;
    }

    T* Get() const noexcept { return p_; }
    T* operator->() const {
        if (!p_)
            ThrowNilObject(typeid(T));
        return p_;
    }
    T& operator*() const { return *operator->(); }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    bool IsNil() const noexcept { return p_ == nullptr; }

    void Swap(Ref& o) noexcept { std::swap(p_, o.p_); }
    // Hands the reference over to the caller, who must release it.
    T* Leak() noexcept { return std::exchange(p_, nullptr); }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.p_ == b.p_; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.p_ == nullptr; }

private:
    T* p_ = nullptr;
};

template <class T, class... Args>
Ref<T> MakeRef(Args&&... args) {
    return Ref<T>(new T(std::forward<Args>(args)...));
}

// The framework's type-testing cast: nil when the object is nil or not of class T.
template <class T, class U>
Ref<T> RefCast(const Ref<U>& r) noexcept {
    return Ref<T>(dynamic_cast<T*>(r.Get()));
}

// The object a reference holds, or NilObjectException naming what was missing.
template <class T>
T& Require(const Ref<T>& r, const std::string& what) {
    if (!r)
        throw NilObjectException("nil object: " + what);
    return *r.Get();
}

} // namespace fw
