// Files and folders for tests: a fresh temporary folder per test, files
// written and read whole, and the folder of the test program itself.
#pragma once
#include <string>

class TemporaryFolder {
public:
    TemporaryFolder();             // a new empty folder under the system's temp folder
    ~TemporaryFolder();            // removes it with everything in it
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
private:
    std::string path_;
};

void WriteWholeFile(const std::string& path, const std::string& bytes);
std::string ReadWholeFile(const std::string& path);
bool CopyWholeFile(const std::string& from, const std::string& to);

// The folder that holds the running test program.
std::string ProgramFolder();
