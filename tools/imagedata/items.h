// The kinds of item that a source may hold. Each reader is called after its
// keyword and reads up to the end of its item. To add a kind, write its
// reader and list it in kItemKinds (main.cpp).
#pragma once
#include "encoding.h"
#include "source_reader.h"

// window <Label> class <index> { <name> <value> ... control class <index> { ... } binding ... }
DataItem ReadWindowDescription(SourceReader& in);
// menubar <Label> { menu "text" [attributes] { item ... } ... }
DataItem ReadMenuBar(SourceReader& in);
// picture <Label> file "<path>" [value <n>]
DataItem ReadPicture(SourceReader& in, const std::string& sourceFolder);
// settings <Label> { layout 1 charset 1 filetype ... message ... frame 1 name "..." }
DataItem ReadSettings(SourceReader& in);
