// Sorting: integers as signed numbers, singles and doubles as floating-point
// values, strings in the user's locale order with case; elements not stored
// yet take part as 0, 0.0 or the empty string.
#include <cmath>
#include "arraytesting.h"

namespace {

TEST(ArraySort, IntegersSortAsSignedNumbersWithTheUnstoredAsZero) {
    RuntimeArray* array = OneDimensional(6);
    int32_t values[] = {5, -3, INT32_MIN, 7, INT32_MAX};
    for (int32_t i = 0; i < 5; i++) RuntimeDirectWriteIntArray(array, i, values[i]);
    RuntimeRedimIntArrayLevel(array, 0, 4);
    RuntimeRedimIntArrayLevel(array, 0, 6);   // 5 and 6 are not stored now
    ASSERT_EQ(array->storage.count, 5);
    RuntimeIntArraySort(array);
    std::vector<int32_t> sorted;
    for (int32_t i = 0; i <= 6; i++) sorted.push_back(RuntimeDirectReadIntArray(array, i));
    EXPECT_EQ(sorted, (std::vector<int32_t>{INT32_MIN, -3, 0, 0, 5, 7, INT32_MAX}));
    RuntimeDisposeIntArray(array);
}

TEST(ArraySort, NumbersSortAsFloatingPointValuesAndNanLast) {
    struct Case {
        void (*append)(RuntimeArray*, double);
        void (*sort)(RuntimeArray*);
        double (*read)(RuntimeArray*, int32_t);
        double (*kept)(double);   // the value as the array keeps it
    } kinds[] = {
        {RuntimeSingleArrayAppend, RuntimeSingleArraySort, RuntimeDirectReadSingleArray,
         [](double d) { return static_cast<double>(static_cast<float>(d)); }},
        {RuntimeDoubleArrayAppend, RuntimeDoubleArraySort, RuntimeDirectReadDoubleArray,
         [](double d) { return d; }},
    };
    for (const Case& kind : kinds) {
        RuntimeArray* array = OneDimensional(-1);
        const double nan = std::nan("");
        for (double d : {2.5, nan, -1e30, 0.1, -0.5, 1e30, nan, 0.0}) kind.append(array, d);
        kind.sort(array);
        std::vector<double> sorted;
        for (int32_t i = 0; i <= RuntimeUBound(array); i++) sorted.push_back(kind.read(array, i));
        ASSERT_EQ(sorted.size(), 8u);
        std::vector<double> expected;
        for (double d : {-1e30, -0.5, 0.0, 0.1, 2.5, 1e30}) expected.push_back(kind.kept(d));
        EXPECT_EQ(std::vector<double>(sorted.begin(), sorted.begin() + 6), expected);
        EXPECT_TRUE(std::isnan(sorted[6]) && std::isnan(sorted[7]));
        RuntimeDisposeIntArray(array);
    }
}

TEST(ArraySort, StringsSortInTheLocaleOrderWithCase) {
    TestStrings make;
    RuntimeArray* array = OneDimensional(5);
    const char* texts[] = {"pear", "Apple", "banana", "apple", "\xC4pfel"};   // Äpfel
    for (int32_t i = 0; i < 5; i++) RuntimeDirectWriteStringArray(array, i, make(texts[i]));
    RuntimeRedimStringArrayLevel(array, 0, 4);
    RuntimeRedimStringArrayLevel(array, 0, 5);   // 5 is not stored now
    RuntimeStringArraySort(array);
    std::vector<std::string> sorted;
    for (int32_t i = 0; i <= 5; i++) sorted.push_back(Taken(RuntimeDirectReadStringArray(array, i)));
    // Not the byte order, which would put "Apple" first and "\xC4pfel" last.
    EXPECT_EQ(sorted, (std::vector<std::string>{"", "\xC4pfel", "apple", "Apple", "banana", "pear"}));
    RuntimeDisposeStringArray(array);
}

} // namespace
