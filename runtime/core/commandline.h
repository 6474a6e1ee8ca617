// Splitting the command line into the items that the application's
// OpenDocument event receives.
#pragma once
#include <cstdint>

// Finds the item that follows *cursor and moves *cursor past it; false when
// only spaces are left. Spaces between items are skipped; an item that
// begins with a double quote runs to the next double quote (or the end) and
// excludes both quotes; any other item runs to the next space or the end.
bool NextCommandLineItem(const char** cursor, const char** item, uint32_t* length);
