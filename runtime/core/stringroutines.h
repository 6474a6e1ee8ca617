// The string entry points as the runtime's own C++ code calls them.
#pragma once
#include "string.h"

extern "C" {
int RuntimeStringCompare(StringObject* a, StringObject* b);
int StringStrCompare(StringObject* a, StringObject* b, int mode);
int StringLen(StringObject* s);
StringObject* StringLeft(StringObject* s, int n);
StringObject* StringRight(StringObject* s, int n);
StringObject* StringMid2(StringObject* s, int start);
StringObject* StringMid3(StringObject* s, int start, int n);
int StringAsc(StringObject* s);
StringObject* StringChr(int code);
int StringInStr(int start, StringObject* s, StringObject* pattern);
int StringInStrB(int start, StringObject* s, StringObject* pattern);
StringObject* StringUCase(StringObject* s);
StringObject* StringLCase(StringObject* s);
StringObject* StringTitleCase(StringObject* s);
StringObject* runTrim(StringObject* s);
StringObject* runLTrim(StringObject* s);
StringObject* runRTrim(StringObject* s);
StringObject* StringReplace(StringObject* s, StringObject* find, StringObject* replacement);
StringObject* StringReplaceAll(StringObject* s, StringObject* find, StringObject* replacement);
int StringCountFields(StringObject* s, StringObject* separator);
StringObject* StringNthField(StringObject* s, StringObject* separator, int n);

int StringDBCSLen(StringObject* s);
StringObject* StringDBCSLeft(StringObject* s, int n);
StringObject* StringDBCSRight(StringObject* s, int n);
StringObject* StringDBCSMid2(StringObject* s, int start);
StringObject* StringDBCSMid3(StringObject* s, int start, int n);
int StringDBCSInStr(int start, StringObject* s, StringObject* pattern);
int StringDBCSAsc(StringObject* s);
StringObject* StringDBCSChr(int code);
}

// Mid's rule for a start before the first position: the positions before it
// count against n (down to 0) and the piece starts at position 1.
void MoveMidStartToFirst(int& start, int& n);
