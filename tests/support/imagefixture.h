// A fixture image loaded into this process by the real load sequence, from
// the development files that the image builder wrote, with a given command
// line. Its entry routine (usually RuntimeInit with its class list) runs
// during Load; the message boxes it shows are answered and kept.
#pragma once
#include "msgboxwatcher.h"
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

class ImageFixture {
public:
    // image: the name given to tessel_add_image; folder: its DEV_DIR below
    // the test program's "fixtures" folder.
    ImageFixture(const std::string& image, const std::string& folder);

    bool Load(const char* commandLine = "", std::initializer_list<int> answers = {});
    const std::vector<SeenMessageBox>& boxes() const { return boxes_; }

    // The loaded address of a symbol of the image.
    uint8_t* operator[](const std::string& symbol) const;
    uint32_t Address(const std::string& symbol) const;
    template <typename T>
    T& Data(const std::string& symbol) const { return *reinterpret_cast<T*>((*this)[symbol]); }

private:
    struct Symbol {
        std::string section;
        uint32_t offset = 0;
    };
    std::string folder_;
    std::map<std::string, Symbol> symbols_;
    std::vector<SeenMessageBox> boxes_;
};

// The text of a failed-assertion report.
std::string FailedAssertionText(int number, const std::string& source, int line);
