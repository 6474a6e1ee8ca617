#include "imagefixture.h"
#include "testfiles.h"
#include "core/image.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

ImageFixture::ImageFixture(const std::string& image, const std::string& folder)
    : folder_(ProgramFolder() + "\\fixtures\\" + folder) {
    std::ifstream map(ProgramFolder() + "\\" + image + ".map");
    std::string line;
    while (std::getline(map, line)) {
        std::istringstream fields(line);
        std::string name;
        Symbol symbol;
        fields >> name >> symbol.section >> std::hex >> symbol.offset;
        symbols_[name] = symbol;
    }
    if (symbols_.empty()) ADD_FAILURE() << "no map for image " << image;
}

bool ImageFixture::Load(const char* commandLine, std::initializer_list<int> answers) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder_.c_str());
    const char* previousCommandLine = gCommandLine;
    gCommandLine = commandLine;
    MessageBoxWatcher watcher;
    watcher.Answer(answers);
    bool loaded = RunLoadSequence();
    gCommandLine = previousCommandLine;
    SetCurrentDirectoryA(previous);
    boxes_ = watcher.Seen();
    return loaded;
}

uint8_t* ImageFixture::operator[](const std::string& symbol) const {
    auto found = symbols_.find(symbol);
    if (found == symbols_.end()) {
        ADD_FAILURE() << "no symbol " << symbol << " in the map";
        return nullptr;
    }
    uint8_t* base = found->second.section == "code1" ? gImage.code1 : gImage.data1;
    return base + found->second.offset;
}

uint32_t ImageFixture::Address(const std::string& symbol) const {
    return reinterpret_cast<uint32_t>((*this)[symbol]);
}

std::string FailedAssertionText(int number, const std::string& source, int line) {
    return "Failed Assertion: " + std::to_string(number) +
           "\nPress OK to Continue\nPress Cancel to Quit.\n\nPlease report what caused this "
           "error\nalong with the information below.\n\n " +
           source + " : " + std::to_string(line);
}
