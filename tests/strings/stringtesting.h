// Helpers for tests of string routines: strings made from test texts and
// released at the end of the test, and results read back and released.
#pragma once
#include <string>
#include <vector>
#include "core/stringroutines.h"

// Owns the strings it makes until it goes away.
class TestStrings {
public:
    TestStrings() = default;
    TestStrings(const TestStrings&) = delete;
    TestStrings& operator=(const TestStrings&) = delete;
    ~TestStrings() {
        for (StringObject* s : made_) RuntimeUnlockString(s);
    }
    // The empty text gives the empty string, the null pointer.
    StringObject* operator()(const std::string& text) {
        StringObject* s = NewString(text.data(), static_cast<uint32_t>(text.size()));
        made_.push_back(s);
        return s;
    }
private:
    std::vector<StringObject*> made_;
};

// The bytes of a result, which is released.
inline std::string Taken(StringObject* result) {
    std::string text(StringText(result), StringLength(result));
    RuntimeUnlockString(result);
    return text;
}
