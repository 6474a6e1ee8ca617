// Array records: dimensions and their bounds, redim, disposal and the reports
// for a null array.
#include <algorithm>
#include <functional>
#include "arraytesting.h"
#include "msgboxwatcher.h"

namespace {

TEST(ArrayRecords, AddIndexGivesTheBoundAsUpperMinusLower) {
    struct Case {
        int32_t lower, upper, bound;
    } cases[] = {
        {0, 0, 0}, {0, -1, -1}, {2, 10, 8}, {0, -5, -1}, {INT32_MIN, INT32_MAX, INT32_MAX},
    };
    for (const Case& c : cases) {
        RuntimeArray* array = RuntimeCreateArray();
        EXPECT_EQ(RuntimeUBound(array), -1);
        RuntimeArrayCreateAddIndex(array, c.lower, c.upper);
        EXPECT_EQ(RuntimeUBound(array), c.bound) << c.lower << ".." << c.upper;
        EXPECT_EQ(array->dimensionCount, 1);
        EXPECT_EQ(array->storage.count, 0) << "nothing is stored before it is written";
        RuntimeDisposeIntArray(array);
    }
}

TEST(ArrayRecords, RecordsOfTheApplicationStartAtOneAfterANilSlotZero) {
    TestObjects objects;
    RuntimeArray* records = OneDimensional(0);
    EXPECT_EQ(RuntimeUBound(records), 0);
    EXPECT_EQ(RuntimeDirectReadObjectArray(records, 0), nullptr);

    ObjectInstance* record = objects.New();
    RuntimeObjectArrayAppend(records, record);
    EXPECT_EQ(RuntimeUBound(records), 1);
    EXPECT_EQ(record->refs, 2);
    ObjectInstance* read = RuntimeDirectReadObjectArray(records, 1);
    EXPECT_EQ(read, record);
    EXPECT_EQ(record->refs, 3) << "a read gives a new reference";
    UnlockObject(read);
    EXPECT_EQ(RuntimeDirectReadObjectArray(records, 0), nullptr);
    RuntimeDisposeObjectArray(records);
    UnlockObject(record);
}

TEST(ArrayRecords, DisposalReleasesEachObjectOnceAndGivesBackAllMemory) {
    TestObjects objects;
    int before = RuntimeDebugMemoryUsed();
    ObjectInstance* shared = objects.New();
    RuntimeArray* array = OneDimensional(0);
    for (int i = 0; i < 5; i++) {
        ObjectInstance* own = objects.New();
        RuntimeObjectArrayAppend(array, own);
        UnlockObject(own);   // the array holds the only reference
    }
    RuntimeObjectArrayAppend(array, shared);
    RuntimeObjectArrayAppend(array, shared);
    RuntimeDirectWriteObjectArray(array, 0, shared);
    EXPECT_EQ(shared->refs, 4);

    RuntimeDisposeObjectArray(array);
    EXPECT_EQ(TestObjects::destroyed(), 5);
    EXPECT_EQ(shared->refs, 1) << "an object also held elsewhere survives";
    UnlockObject(shared);
    EXPECT_EQ(TestObjects::destroyed(), 6);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

TEST(ArrayRecords, DisposalOfManyDimensionsReleasesEveryStringBelow) {
    TestStrings make;
    StringObject* text = make("held");
    int before = RuntimeDebugMemoryUsed();
    RuntimeArray* array = RuntimeCreateArray();
    for (int dimension = 0; dimension < 3; dimension++) RuntimeArrayCreateAddIndex(array, 0, 4);
    for (int i : {0, 4}) {
        for (int j : {1, 3}) {
            RuntimeArrayStartWriteAccess(array, i);
            RuntimeArrayAddWriteIndex(array, j);
            RuntimeWriteStringArray(array, 2, text);
        }
    }
    EXPECT_EQ(text->refs, 5);
    RuntimeDisposeStringArray(array);
    EXPECT_EQ(text->refs, 1);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

TEST(ArrayRecords, RedimDownReleasesTheStringsBeyondTheNewBound) {
    TestStrings make;
    std::vector<StringObject*> texts;
    RuntimeArray* array = OneDimensional(10);
    for (int i = 0; i <= 10; i++) {
        texts.push_back(make("s" + std::to_string(i)));
        RuntimeDirectWriteStringArray(array, i, texts.back());
    }
    RuntimeRedimStringArrayLevel(array, 0, 2);
    EXPECT_EQ(RuntimeUBound(array), 2);
    EXPECT_EQ(array->storage.count, 3);
    for (int i = 0; i <= 10; i++) EXPECT_EQ(texts[i]->refs, i <= 2 ? 2 : 1) << i;

    // Growing again only moves the bound; the released places read empty.
    RuntimeRedimStringArrayLevel(array, 0, 20);
    EXPECT_EQ(RuntimeUBound(array), 20);
    EXPECT_EQ(array->storage.count, 3);
    EXPECT_EQ(Taken(RuntimeDirectReadStringArray(array, 2)), "s2");
    EXPECT_EQ(RuntimeDirectReadStringArray(array, 3), nullptr);
    RuntimeDisposeStringArray(array);
    for (StringObject* s : texts) EXPECT_EQ(s->refs, 1);
}

TEST(ArrayRecords, RedimOfALowerDimensionCutsEveryVectorOfIt) {
    RuntimeArray* array = RuntimeCreateArray();
    RuntimeArrayCreateAddIndex(array, 0, 3);
    RuntimeArrayCreateAddIndex(array, 0, 9);
    for (int i = 0; i <= 3; i++) {
        RuntimeArrayStartWriteAccess(array, i);
        RuntimeWriteIntArray(array, 9, 100 + i);
        RuntimeArrayStartWriteAccess(array, i);
        RuntimeWriteIntArray(array, 1, i);
    }
    RuntimeRedimIntArrayLevel(array, 1, 4);
    EXPECT_EQ(array->upperBounds[1], 4);
    for (int i = 0; i <= 3; i++) {
        RuntimeArrayStartReadAccess(array, i);
        EXPECT_EQ(RuntimeReadIntArray(array, 1), i);
    }
    // Cutting the first dimension disposes the sub-vectors beyond it.
    int before = RuntimeDebugMemoryUsed();
    RuntimeRedimIntArrayLevel(array, 0, 1);
    EXPECT_LT(RuntimeDebugMemoryUsed(), before);
    EXPECT_EQ(array->storage.count, 2);
    RuntimeArrayStartReadAccess(array, 1);
    EXPECT_EQ(RuntimeReadIntArray(array, 1), 1);
    RuntimeDisposeIntArray(array);
}

// Routines given a null array report and do nothing; only disposal accepts
// one silently.
TEST(ArrayRecords, ANullArrayIsReportedWithTheLineOfItsRoutine) {
    struct Case {
        const char* routine;
        std::function<void()> call;
        int line;
    } cases[] = {
        {"AddIndex", [] { RuntimeArrayCreateAddIndex(nullptr, 0, 0); }, 197},
        {"DirectReadSingle", [] { RuntimeDirectReadSingleArray(nullptr, 0); }, 876},
        {"DirectReadDouble", [] { RuntimeDirectReadDoubleArray(nullptr, 0); }, 901},
        {"DirectReadString", [] { RuntimeDirectReadStringArray(nullptr, 0); }, 927},
        {"DirectReadObject", [] { RuntimeDirectReadObjectArray(nullptr, 0); }, 956},
        {"DirectWriteSingle", [] { RuntimeDirectWriteSingleArray(nullptr, 0, 1.0); }, 1006},
        {"DirectWriteDouble", [] { RuntimeDirectWriteDoubleArray(nullptr, 0, 1.0); }, 1036},
        {"DirectWriteString", [] { RuntimeDirectWriteStringArray(nullptr, 0, nullptr); }, 1068},
        {"DirectWriteObject", [] { RuntimeDirectWriteObjectArray(nullptr, 0, nullptr); }, 1109},
        {"DirectReadInt", [] { RuntimeDirectReadIntArray(nullptr, 0); }, 0},
        {"Append", [] { RuntimeObjectArrayAppend(nullptr, nullptr); }, 0},
        {"UBound", [] { EXPECT_EQ(RuntimeUBound(nullptr), -1); }, 0},
        {"FastRead", [] { RuntimeFastReadBoolArray(nullptr, 0); }, 0},
    };
    MessageBoxWatcher watcher;
    size_t seen = 0;
    for (const Case& c : cases) {
        c.call();
        ASSERT_TRUE(watcher.WaitForBoxes(++seen)) << c.routine;
        std::string text = watcher.Seen().back().text;
        std::string place = "\n commonruntime : " + std::to_string(c.line);
        EXPECT_EQ(text.substr(text.size() - std::min(text.size(), place.size())), place) << c.routine;
    }
    RuntimeDisposeObjectArray(nullptr);
    RuntimeDisposeFastBooleanArray(nullptr);
    EXPECT_EQ(watcher.Seen().size(), seen);
}

} // namespace
