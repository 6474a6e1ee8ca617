// Numbers of the subset files: StringFormat's masks, with "." as decimal
// separator whatever the user's locale, because the simulator reads only
// that. StringFormat itself writes the user's separator.
#pragma once
#include "references.h"

extern "C" {
// The user's decimal separator as StringFormat writes it (a new
// reference); empty (nil) when it is ".".
StringObject* DecimalSeparatorText();
// StringFormat of value under mask, its separator (from
// DecimalSeparatorText) written as "."; a new reference.
StringObject* FormatWithPoint(double value, StringObject* mask, StringObject* separator);
}
