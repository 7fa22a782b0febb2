#pragma once

// The Firebird client library's entry points, for the data-access layer only.

#include "db/DbError.h"

#include <firebird/Interface.h>

namespace pelora::db::fb {

Firebird::IMaster* master();
Firebird::IUtil* util();
Firebird::IProvider* provider();

// A status object of its own, disposed with it; calls through it throw FbException.
class Status {
public:
    Status() : wrapper_(master()->getStatus()) {}
    ~Status() { wrapper_.dispose(); }
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
    Firebird::ThrowStatusWrapper* operator&() { return &wrapper_; }

private:
    Firebird::ThrowStatusWrapper wrapper_;
};

DbError toDbError(const Firebird::FbException& e);

// Runs `f`, turning the client library's exceptions into DbError.
template <typename F>
decltype(auto) guarded(F&& f) {
    try {
        return f();
    } catch (const Firebird::FbException& e) {
        throw toDbError(e);
    }
}

// Releases (or disposes) a client object when it goes out of scope.
template <typename T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* p) : p_(p) {}
    ~Ref() { reset(); }
    Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    Ref& operator=(Ref&& o) noexcept {
        if (this != &o) {
            reset();
            p_ = o.p_;
            o.p_ = nullptr;
        }
        return *this;
    }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    void reset(T* p = nullptr) {
        if (p_) {
            if constexpr (requires { p_->release(); })
                p_->release();
            else
                p_->dispose(); // the builders are disposed, not counted
        }
        p_ = p;
    }
    // Gives up ownership without releasing: for calls such as close() that release themselves.
    T* detach() {
        T* p = p_;
        p_ = nullptr;
        return p;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

} // namespace pelora::db::fb
