// String objects: their layout, reference counts, concatenation and the text
// pointers handed to C code.
#include <gtest/gtest.h>
#include "msgboxwatcher.h"
#include "stringtesting.h"
#include "core/utility.h"

namespace {

TEST(StringObject, TextBlockHoldsLengthByteTextAndZero) {
    struct Case {
        uint32_t length;
        uint8_t lengthByte;
    } cases[] = {{1, 1}, {255, 255}, {256, 255}, {300, 255}};
    for (const Case& c : cases) {
        std::string text(c.length, 'x');
        StringRef s(NewString(text.data(), c.length));
        ASSERT_NE(s.get(), nullptr);
        EXPECT_EQ(s.get()->refs, 1);
        EXPECT_EQ(s.get()->block[0], c.lengthByte) << c.length;
        EXPECT_EQ(s.get()->length, c.length);
        EXPECT_EQ(s.get()->blockSize, c.length + 2);
        EXPECT_EQ(s.get()->block[c.length + 1], 0);
        EXPECT_EQ(std::string(StringText(s.get()), c.length), text);
    }
}

TEST(StringObject, EmptyTextIsTheNullPointer) {
    EXPECT_EQ(NewString("abc", 0), nullptr);
    EXPECT_EQ(NewStringFromText(""), nullptr);
    EXPECT_EQ(NewBlankString(0), nullptr);
}

TEST(StringObject, CostsOneObjectAndOneTextBlockAndGivesThemBack) {
    int before = RuntimeDebugMemoryUsed();
    StringObject* s = NewString("hello", 5);
    EXPECT_EQ(RuntimeDebugMemoryUsed() - before, 16 + 5 + 2);
    RuntimeUnlockString(s);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

TEST(StringObject, AddStringJoinsOrReturnsTheNonEmptyArgument) {
    TestStrings make;
    StringObject* a = make("abc");
    StringObject* b = make("de");
    std::string joined = Taken(RuntimeAddString(a, b));
    EXPECT_EQ(joined, "abcde");
    EXPECT_EQ(a->refs, 1);
    EXPECT_EQ(b->refs, 1);

    StringObject* same = RuntimeAddString(a, nullptr);
    EXPECT_EQ(same, a);
    EXPECT_EQ(a->refs, 2);
    RuntimeUnlockString(same);
    same = RuntimeAddString(nullptr, b);
    EXPECT_EQ(same, b);
    EXPECT_EQ(b->refs, 2);
    RuntimeUnlockString(same);
    EXPECT_EQ(RuntimeAddString(nullptr, nullptr), nullptr);
}

TEST(StringObject, LockAndUnlockIgnoreTheEmptyString) {
    int before = RuntimeDebugMemoryUsed();
    RuntimeLockString(nullptr);
    RuntimeUnlockString(nullptr);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

TEST(StringObject, CountAlreadyZeroIsReportedAndCarriedOn) {
    MessageBoxWatcher watcher;
    watcher.Answer({IDOK, IDOK});
    StringObject s = {0, nullptr, 0, 0};   // never freed: its count never reaches 0 from 1
    RuntimeLockString(&s);
    EXPECT_EQ(s.refs, 1);
    s.refs = 0;
    RuntimeUnlockString(&s);
    EXPECT_EQ(s.refs, -1);
    ASSERT_TRUE(watcher.WaitForBoxes(2));
    std::vector<SeenMessageBox> boxes = watcher.Seen();
    EXPECT_NE(boxes[0].text.find("Failed Assertion: 4\n"), std::string::npos);
    EXPECT_NE(boxes[0].text.find(" string : 25"), std::string::npos);
    EXPECT_NE(boxes[1].text.find(" string : 35"), std::string::npos);
}

// Compiled code keeps a result in eax across the unlock of a temporary.
int UnlockKeepingAccumulator(StringObject* s) {
    int eax;
    asm volatile("movl $0x5A5A1234, %%eax\n\t"
                 "pushl %1\n\t"
                 "call _RuntimeUnlockString\n\t"
                 "addl $4, %%esp"
                 : "=a"(eax)
                 : "r"(s)
                 : "ecx", "edx", "memory", "cc");
    return eax;
}

TEST(StringObject, UnlockKeepsTheAccumulator) {
    StringObject* s = NewString("abc", 3);
    RuntimeLockString(s);
    EXPECT_EQ(UnlockKeepingAccumulator(s), 0x5A5A1234);   // still held
    EXPECT_EQ(UnlockKeepingAccumulator(s), 0x5A5A1234);   // freed
}

TEST(StringObject, TextPointersForCCode) {
    TestStrings make;
    StringObject* s = make(std::string("a\0b", 3));
    EXPECT_EQ(StringToCString(s), reinterpret_cast<const char*>(s->block + 1));
    EXPECT_EQ(StringGetCString(s), StringToCString(s));
    EXPECT_EQ(StringToPString(s), s->block);
    EXPECT_EQ(StringGetPString(s), s->block);
    EXPECT_STREQ(StringToCString(nullptr), "");
    EXPECT_STREQ(StringGetCString(nullptr), "");
    EXPECT_EQ(StringToPString(nullptr)[0], 0);
    EXPECT_EQ(StringGetPString(nullptr)[0], 0);
}

} // namespace
