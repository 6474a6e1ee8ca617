// The runtime's case table: the upper-case mapping under which the runtime
// compares its internal names (classes, controls, entry points, libraries,
// plug-ins). It folds the ASCII letters and the lower-case accented letters
// of the Mac OS Roman character set, whatever the system's code page; text
// of the user goes through the system's locale functions instead.
#pragma once
#include <cstdint>

// The byte's upper-case form; bytes without one map to themselves.
uint8_t CaseTableUpper(uint8_t byte);

// True when both texts have the same length and the same mapped bytes.
bool CaseTableEqual(const void* a, uint32_t alength, const void* b, uint32_t blength);

// Orders two texts by their mapped bytes taken as unsigned, a proper prefix
// first: negative, 0 or positive.
int CaseTableCompare(const void* a, uint32_t alength, const void* b, uint32_t blength);
