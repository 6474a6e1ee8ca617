// streambench: how fast text files go through the text streams. Reads a file
// of 10 MB line by line, in lines of about 60 bytes like X-Plane's navaid
// lines, and writes 100,000 such lines. Reports lines per second, megabytes
// per second and the file stream's system calls per line.
#include <windows.h>
#include <cstdio>
#include <string>
#include "benchclock.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include "files/fileclasses.h"
#include "files/filestream.h"
#include "files/textstreams.h"

namespace {

constexpr uint32_t kReadBytes = 10 * 1024 * 1024;
constexpr int kWrittenLines = 100000;

// The n-th line of the data: 63 bytes and a CR LF, varied a little.
std::string DataLine(uint32_t n) {
    char line[80];
    uint32_t seed = n * 2654435761u;
    snprintf(line, sizeof line, "3 %12.8f %13.8f %6u %5u %3u %-4c%c%c %-10s",
             (seed % 18000) / 100.0 - 90, (seed % 36000) / 100.0 - 180, seed % 15000,
             10800 + seed % 1000, seed % 130, 'A' + seed % 26, 'A' + (seed >> 5) % 26,
             'A' + (seed >> 10) % 26, "VOR-DME");
    return line;
}

void WriteInputFile(const std::string& path) {
    std::string bytes;
    for (uint32_t n = 0; bytes.size() < kReadBytes; n++) bytes += DataLine(n) + "\r\n";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

ObjectInstance* NewItem(const std::string& path) {
    ObjectInstance* item = NewFolderItem();
    StringRef text(NewStringFromText(path.c_str()));
    SetFolderItemPath(item, text.get());
    return item;
}

struct Figures {
    const char* name;
    double lines, bytes, seconds, calls;
};

void Print(const Figures& f) {
    printf("%-28s %12.0f %10.1f %12.2f\n", f.name, f.lines / f.seconds,
           f.bytes / f.seconds / (1024 * 1024), f.calls / f.lines);
}

// The application's reading loop: ReadLine until EOF.
Figures ReadLines(const std::string& path) {
    ObjectRef item(NewItem(path));
    uint32_t calls = FileStream::SystemCalls();
    double start = Seconds();
    ObjectRef input(FolderItemOpenTextFile(item.get()));
    double lines = 0, bytes = 0;
    while (!TextInputStreamEOF(input.get(), 0)) {
        StringRef line(TextInputStreamReadLine(input.get()));
        lines++;
        bytes += StringLength(line.get()) + 2;
    }
    TextInputStreamClose(input.get());
    double seconds = Seconds() - start;
    return {"ReadLine (10 MB file)", lines, bytes, seconds,
            static_cast<double>(FileStream::SystemCalls() - calls)};
}

// The application's writing loop: one WriteLine per line, then Close.
Figures WriteLines(const std::string& path) {
    StringObject* lines[256];
    for (int i = 0; i < 256; i++) lines[i] = NewStringFromText(DataLine(i).c_str());
    ObjectRef item(NewItem(path));
    uint32_t calls = FileStream::SystemCalls();
    double start = Seconds(), bytes = 0;
    ObjectRef output(FolderItemCreateTextFile(item.get()));
    for (int n = 0; n < kWrittenLines; n++) {
        TextOutputStreamWriteLine(output.get(), lines[n % 256]);
        bytes += StringLength(lines[n % 256]) + 2;
    }
    TextOutputStreamClose(output.get());
    double seconds = Seconds() - start;
    for (StringObject* line : lines) RuntimeUnlockString(line);
    return {"WriteLine (100,000 lines)", static_cast<double>(kWrittenLines), bytes, seconds,
            static_cast<double>(FileStream::SystemCalls() - calls)};
}

} // namespace

int main() {
    InitAllocatorLock();
    RegisterFileClasses();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string input = std::string(temp) + "streambench-in.dat";
    std::string output = std::string(temp) + "streambench-out.dat";
    WriteInputFile(input);

    printf("%-28s %12s %10s %12s\n", "operation", "lines/s", "MB/s", "calls/line");
    Print(ReadLines(input));
    Print(WriteLines(output));
    printf("calls/line: the file stream's system calls (open, read, write, seek, close) per line\n");

    DeleteFileA(input.c_str());
    DeleteFileA(output.c_str());
    return 0;
}
