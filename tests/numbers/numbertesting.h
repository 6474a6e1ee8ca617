// Helpers for tests of number routines: strings made from test texts and
// released again, results read back and released, and the locale a test
// table was written for.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "core/numbers.h"
#include "core/utility.h"

// A string of the text for the span of a scope; the empty text is null.
class TestString {
public:
    explicit TestString(const std::string& text)
        : s_(NewString(text.data(), static_cast<uint32_t>(text.size()))) {}
    TestString(const TestString&) = delete;
    TestString& operator=(const TestString&) = delete;
    ~TestString() { RuntimeUnlockString(s_); }
    operator StringObject*() const { return s_; }
private:
    StringObject* s_;
};

// The bytes of a result, which is released.
inline std::string Taken(StringObject* result) {
    std::string text(StringText(result), StringLength(result));
    RuntimeUnlockString(result);
    return text;
}

inline std::string Formatted(double value, const std::string& mask) {
    TestString m(mask);
    return Taken(StringFormat(value, m));
}

inline std::string LocaleText(LCTYPE which) {
    char text[16] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, which, text, sizeof text);
    return text;
}

// Tables of the locale-bound suites are written for one locale; CTest runs
// each suite under its locale (see CMakeLists.txt).
class LocaleTest : public ::testing::Test {
protected:
    static void RequireSeparators(const char* decimal, const char* thousands) {
        ASSERT_EQ(decimal, LocaleText(LOCALE_SDECIMAL)) << "run this suite under its LANG";
        ASSERT_EQ(thousands, LocaleText(LOCALE_STHOUSAND)) << "run this suite under its LANG";
    }
};

class PointLocale : public LocaleTest {
protected:
    void SetUp() override { RequireSeparators(".", ","); }
};

class CommaLocale : public LocaleTest {
protected:
    void SetUp() override { RequireSeparators(",", "."); }
};

class DbcsCodePage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(932u, GetACP()) << "run this suite under LANG=ja_JP.UTF-8"; }
};
