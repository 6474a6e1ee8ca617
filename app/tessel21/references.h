// Owned references to the runtime's strings and objects: each holds one
// reference and releases it when it goes, so the counts stay right however
// a routine returns. Literals (TS) are borrowed, never owned.
#pragma once
#include <tessel/runtime.h>

namespace tessel21 {

class Str {
public:
    explicit Str(StringObject* owned = nullptr) : s_(owned) {}
    ~Str() { RuntimeUnlockString(s_); }
    Str(const Str&) = delete;
    Str& operator=(const Str&) = delete;
    Str(Str&& other) : s_(other.s_) { other.s_ = nullptr; }
    Str& operator=(Str&& other) {
        StringObject* old = s_;
        s_ = other.s_;
        other.s_ = nullptr;
        RuntimeUnlockString(old);
        return *this;
    }
    operator StringObject*() const { return s_; }
    // hands the reference to a field that will release it
    StringObject* Release() {
        StringObject* s = s_;
        s_ = nullptr;
        return s;
    }

private:
    StringObject* s_;
};

class Obj {
public:
    explicit Obj(Object* owned = nullptr) : o_(owned) {}
    ~Obj() { RuntimeUnlockObject(o_); }
    Obj(const Obj&) = delete;
    Obj& operator=(const Obj&) = delete;
    Obj(Obj&& other) : o_(other.o_) { other.o_ = nullptr; }
    Obj& operator=(Obj&& other) {
        Object* old = o_;
        o_ = other.o_;
        other.o_ = nullptr;
        RuntimeUnlockObject(old);
        return *this;
    }
    operator Object*() const { return o_; }
    template <class T> T* As() const { return reinterpret_cast<T*>(o_); }

private:
    Object* o_;
};

inline Str Join(StringObject* a, StringObject* b) { return Str(RuntimeAddString(a, b)); }
inline Str Join(StringObject* a, StringObject* b, StringObject* c) { return Join(Join(a, b), c); }
inline Str Number(int value) { return Str(StringStr(IntToFP(value))); }

// A field that holds an object reference: the new value is locked, the old
// one released.
inline void Store(Object*& field, Object* value) {
    Object* old = field;
    field = value ? RuntimeLockObject(value) : nullptr;
    RuntimeUnlockObject(old);
}

} // namespace tessel21
