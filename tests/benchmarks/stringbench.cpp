// stringbench: how fast the string and number routines run on the work the
// application gives them, and what they allocate. Each line of a data file
// is cut into columns (StringMid3, StringDBCSMid3), the numbers are read
// (StringVal), written under masks (StringFormat) and joined into an output
// line (RuntimeAddString). Reports operations per second for each routine
// and for the whole mix, and the bytes allocated per operation measured with
// RuntimeDebugMemoryUsed around a run that keeps all its results.
//
// The cutting routines are reached through the entry table, as compiled code
// reaches them.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>
#include "benchclock.h"
#include "core/entrytable.h"
#include "core/numbers.h"
#include "core/string.h"
#include "core/utility.h"

namespace {

using Mid3Routine = StringObject* (*)(StringObject*, int, int);

Mid3Routine StringMid3 = nullptr;
Mid3Routine StringDBCSMid3 = nullptr;

constexpr int kLineCount = 1000;
constexpr double kSecondsPerMeasure = 1.0;

// ---- Data ------------------------------------------------------------------

// Lines of 60 bytes in the manner of a navaid file: latitude, longitude, an
// identifier, an elevation and a frequency in fixed columns.
std::vector<StringObject*> MakeLines() {
    std::vector<StringObject*> lines;
    uint32_t seed = 12345;
    auto next = [&seed]() { seed = seed * 1103515245 + 12345; return (seed >> 8) & 0xFFFF; };
    for (int i = 0; i < kLineCount; i++) {
        char line[64];
        double lat = (next() / 65536.0) * 180 - 90;
        double lon = (next() / 65536.0) * 360 - 180;
        snprintf(line, sizeof line, "%13.8f %14.8f %-5c%c%c%c %6u %6u %8u",
                 lat, lon, 'A' + next() % 26, 'A' + next() % 26, 'A' + next() % 26,
                 'A' + next() % 26, next() % 15000, 10800 + next() % 1000, next() * 100);
        lines.push_back(NewString(line, 60));
    }
    return lines;
}

// ---- Measuring ---------------------------------------------------------------

// What a piece of work made: the strings it keeps and how many routine
// calls it took.
struct Made {
    std::vector<StringObject*> strings;
    long operations = 0;

    void Keep(StringObject* s) { strings.push_back(s); }
    void ReleaseAll() {
        for (StringObject* s : strings) RuntimeUnlockString(s);
        strings.clear();
    }
    // The strings made, each once however often it was handed out.
    std::vector<StringObject*> Distinct() const {
        std::vector<StringObject*> distinct(strings);
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        distinct.erase(std::remove(distinct.begin(), distinct.end(), nullptr), distinct.end());
        return distinct;
    }
    // What they need: a 16-byte object and a text block each.
    long ExpectedBytes() const {
        long bytes = 0;
        for (StringObject* s : Distinct()) bytes += sizeof(StringObject) + s->length + 2;
        return bytes;
    }
};

// The data: the lines, and the latitude column of each already cut out.
std::vector<StringObject*> lines;
std::vector<StringObject*> latitudes;

using Work = void (*)(int line, Made& made);

struct Strings {
    StringObject* latitudeMask;
    StringObject* longitudeMask;
    StringObject* elevationMask;
    StringObject* blank;
};
Strings constants;

void CutWithMid3(int line, Made& made) {
    made.Keep(StringMid3(lines[line], 1, 13));
    made.operations++;
}

void CutWithDBCSMid3(int line, Made& made) {
    made.Keep(StringDBCSMid3(lines[line], 15, 14));
    made.operations++;
}

void ReadNumbers(int line, Made& made) {
    volatile double value = StringVal(latitudes[line]);
    (void)value;
    made.operations++;
}

void FormatNumbers(int line, Made& made) {
    double number = (line % 97) * 1.123456789 - 50;
    made.Keep(StringFormat(number, constants.latitudeMask));
    made.Keep(StringFormat(-number * 2, constants.longitudeMask));
    made.Keep(StringFormat(number * 100 + 5000, constants.elevationMask));
    made.operations += 3;
}

void JoinPieces(int line, Made& made) {
    made.Keep(RuntimeAddString(lines[line], constants.blank));
    made.operations++;
}

// One line as the application's subset writers treat it: 4 cuts, 3 reads,
// 3 formats and 6 joins.
void WholeLine(int line, Made& made) {
    StringObject* latitude = StringMid3(lines[line], 1, 13);
    StringObject* longitude = StringDBCSMid3(lines[line], 15, 14);
    StringObject* ident = StringDBCSMid3(lines[line], 30, 5);
    StringObject* elevation = StringMid3(lines[line], 36, 6);
    StringObject* pieces[] = {
        StringFormat(StringVal(latitude), constants.latitudeMask),
        StringFormat(StringVal(longitude), constants.longitudeMask),
        StringFormat(StringVal(elevation), constants.elevationMask),
        ident,
    };
    StringObject* result = pieces[0];
    RuntimeLockString(result);
    for (int i = 1; i < 4; i++) {
        StringObject* spaced = RuntimeAddString(result, constants.blank);
        made.Keep(result);
        result = RuntimeAddString(spaced, pieces[i]);
        made.Keep(spaced);
    }
    made.Keep(result);
    for (StringObject* s : {latitude, longitude, elevation}) made.Keep(s);
    for (StringObject* s : pieces) made.Keep(s);
    made.operations += 16;
}

struct Measure {
    const char* name;
    Work work;
};

const Measure kMeasures[] = {
    {"StringMid3", CutWithMid3},
    {"StringDBCSMid3", CutWithDBCSMid3},
    {"StringVal", ReadNumbers},
    {"StringFormat", FormatNumbers},
    {"RuntimeAddString", JoinPieces},
    {"whole line (16 operations)", WholeLine},
};

// Operations per second: lines are worked through for about a second,
// releasing results as they come.
double OperationsPerSecond(Work work) {
    Made made;
    double start = Seconds(), elapsed = 0;
    do {
        for (int line = 0; line < kLineCount; line++) {
            work(line, made);
            made.ReleaseAll();
        }
        elapsed = Seconds() - start;
    } while (elapsed < kSecondsPerMeasure);
    return made.operations / elapsed;
}

struct MemoryFigures {
    double bytesPerOperation;
    double bytesPerString;
    long strings;
    long unexplained;         // measured minus what the kept strings need
    long leftOver;            // allocated after everything was released
};

// All lines once, every result kept until the end.
MemoryFigures MemoryUse(Work work) {
    Made made;
    int before = RuntimeDebugMemoryUsed();
    for (int line = 0; line < kLineCount; line++) work(line, made);
    long used = RuntimeDebugMemoryUsed() - before;
    MemoryFigures figures;
    figures.strings = static_cast<long>(made.Distinct().size());
    figures.bytesPerOperation = static_cast<double>(used) / made.operations;
    figures.bytesPerString = figures.strings ? static_cast<double>(used) / figures.strings : 0;
    figures.unexplained = used - made.ExpectedBytes();
    made.ReleaseAll();
    figures.leftOver = RuntimeDebugMemoryUsed() - before;
    return figures;
}

bool FindRoutines() {
    StringMid3 = reinterpret_cast<Mid3Routine>(LinkLookup("StringMid3"));
    StringDBCSMid3 = reinterpret_cast<Mid3Routine>(LinkLookup("StringDBCSMid3"));
    return StringMid3 && StringDBCSMid3;
}

} // namespace

int main() {
    InitAllocatorLock();
    if (!FindRoutines()) {
        fprintf(stderr, "stringbench: the entry table has no StringMid3 or StringDBCSMid3\n");
        return 1;
    }
    constants = {NewStringFromText("#0.000000"), NewStringFromText("-#0.00000000"),
                 NewStringFromText("00000"), NewStringFromText(" ")};
    lines = MakeLines();
    for (StringObject* line : lines) latitudes.push_back(StringMid3(line, 1, 13));

    printf("%-28s %12s %10s %10s %8s %9s\n", "operation", "ops/s", "bytes/op",
           "bytes/str", "strings", "unexpl.");
    bool sound = true;
    for (const Measure& measure : kMeasures) {
        MemoryFigures memory = MemoryUse(measure.work);
        double rate = OperationsPerSecond(measure.work);
        printf("%-28s %12.0f %10.1f %10.1f %8ld %9ld\n", measure.name, rate,
               memory.bytesPerOperation, memory.bytesPerString, memory.strings, memory.unexplained);
        if (memory.unexplained != 0 || memory.leftOver != 0) sound = false;
    }
    printf("bytes/op and bytes/str: RuntimeDebugMemoryUsed over %d lines with every result kept;\n"
           "unexpl.: bytes beyond one 16-byte object and one text block per string made.\n",
           kLineCount);
    if (!sound) {
        printf("stringbench: some routine allocated more than its results, or leaked\n");
        return 1;
    }
    return 0;
}
