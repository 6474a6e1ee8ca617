// imagedata: encodes the readable sources of an application image's data
// (window descriptions, the menu bar, pictures) into an assembly file whose
// labels the image's code and class list refer to.
//
//   imagedata <source.txt> -o <output.s>
//
// Source format. Tokens are words, quoted texts ("..." with the escapes \r
// \n \t \" \\ \xHH), braces, and comments from # to the end of the line. A
// value is a word or a quoted text and is stored as its text; numbers are
// words. Each item gets a global label _<Label> in data1.
//
//   window <Label> class <window class index> {
//       <Property> <value>               # name and value pairs, in order
//       control class <class index> {
//           <Property> <value>
//       }
//       binding <source control> <text> <target control> <text> <class index> <text> <text>
//   }
//
// becomes a window description: a 32-bit byte count, then the compact
// property count, class index, pairs, control records and binding records.
//
//   menubar <Label> {
//       menu "File" [attributes] {
//           item "Quit" name FileQuit key "Q" class 7
//           separator [class n]                # an item whose text is "-"
//           item "More" class 6 { ... }        # an item with a submenu
//           placeholder                        # a record of kind 2
//       }
//   }
//
// becomes project item kind 2: the kind word, a byte count, the compact
// menu count, each menu's record and item list. Attributes: text, name,
// index (default -2147483648, no index), key, help, disabledhelp, class
// (default 0), kind (default 0) and unused (the unused byte, default 0).
//
//   picture <Label> file "splash.bmp" [value <n>]
//
// becomes project item kind 1: the kind word, the value (the picture's
// Transparent flag, default 0) and the bitmap as a packed DIB (see
// picture.cpp). Paths are relative to the source file's folder.
//
//   settings <Label> { layout 1 charset 1 filetype ... message ... frame 1 name "..." }
//
// becomes project item kind 4, the settings block (see settings_block.cpp).
#include "items.h"
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::vector<DataItem> ReadItems(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw SourceError{"cannot read " + path};
    std::stringstream contents;
    contents << file.rdbuf();
    SourceReader in(path, contents.str());
    std::vector<DataItem> items;
    while (!in.AtEnd()) {
        const Token at = in.Peek();
        if (in.Accept("window")) items.push_back(ReadWindowDescription(in));
        else if (in.Accept("menubar")) items.push_back(ReadMenuBar(in));
        else if (in.Accept("picture")) items.push_back(ReadPicture(in, FolderOf(path)));
        else if (in.Accept("settings")) items.push_back(ReadSettings(in));
        else in.Fail(at, "expected window, menubar, picture or settings");
        for (size_t i = 0; i + 1 < items.size(); i++)
            if (items[i].label == items.back().label) in.Fail(at, "the label is used twice");
    }
    return items;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::string(argv[2]) != "-o") {
        std::cerr << "usage: imagedata <source> -o <output.s>\n";
        return 2;
    }
    try {
        std::string assembly = AssemblyFor(ReadItems(argv[1]));
        std::ofstream out(argv[3], std::ios::binary);
        out << assembly;
        if (!out) throw SourceError{std::string("cannot write ") + argv[3]};
    } catch (const SourceError& error) {
        std::cerr << "imagedata: " << error.message << "\n";
        std::remove(argv[3]);
        return 1;
    }
    return 0;
}
