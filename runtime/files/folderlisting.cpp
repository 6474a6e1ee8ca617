// Count and Item: the entries of a folder, in the order the system lists
// them. One listing is kept for the whole program, so that a loop over Item
// from 1 to Count lists the folder once instead of once per item.
#include "folderitemroutines.h"
#include "core/string.h"
#include "fileclasses.h"
#include "fileentry.h"
#include <string>
#include <vector>

namespace {

struct FolderListing {
    std::string folder;
    std::vector<std::string> names;
    bool reusable = false;   // the previous Item call found an item
};
FolderListing listing;

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void ListFolder(PathSpan folder) {
    listing.folder.assign(folder.bytes, folder.length);
    listing.names.clear();
    std::string pattern = listing.folder + "\\*.*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!IsDotEntry(found.cFileName)) listing.names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool ListingHolds(PathSpan folder) {
    PathSpan listed = {listing.folder.data(), uint32_t(listing.folder.size())};
    return listing.reusable && SameIgnoringAsciiCase(listed, folder);
}

} // namespace

extern "C" int32_t fileCountGetter(ObjectInstance* item, int32_t) {
    ListFolder(FolderItemPath(item));
    return int32_t(listing.names.size());
}

extern "C" ObjectInstance* FolderItemItem(ObjectInstance* item, int32_t index) {
    PathSpan folder = FolderItemPath(item);
    if (!ListingHolds(folder)) ListFolder(folder);
    listing.reusable = index >= 1 && uint32_t(index) <= listing.names.size();
    if (!listing.reusable) return nullptr;
    const std::string& name = listing.names[index - 1];
    PathSpan pieces[] = {folder, SpanOf("\\"), {name.data(), uint32_t(name.size())}};
    StringRef path(NewJoinedPath(pieces, 3));
    return NewFolderItemFor(path.get());
}

extern "C" ObjectInstance* FolderItemTrueItem(ObjectInstance* item, int32_t index) {
    return FolderItemItem(item, index);
}
