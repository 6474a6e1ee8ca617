// Fonts of the text-bearing controls. A font description becomes a Windows
// font through a cache that counts the uses of each font it made, so that
// controls with the same font description share one GDI object.
#pragma once
#include <windows.h>
#include <cstdint>

struct StringObject;

// The character set of the fonts comes from the project's settings
// (FontCharacterSet, core/settings.h).

// The record handed to font creation, in the static text's field order; the
// other controls convert their font fields into it.
struct FontSpec {
    StringObject* textFont;
    uint8_t bold, italic, underline;
    int16_t textSize;               // pixels of character height
};

// The Windows face name for a face name of the stored projects: System,
// Application and Geneva are MS Sans Serif, Courier is Courier New, Times is
// Times New Roman, Helvetica is Arial and Osaka MS UI Gothic (ASCII case
// ignored); any other name is used as it is.
const char* MappedFaceName(const char* face);

// The font of the description, with one more use counted; the same handle
// for a matching description (face name compared ignoring case).
HFONT AcquireFont(const FontSpec& spec);
// Counts one use less; the last use deletes the font. Null is allowed.
void ReleaseFont(HFONT font);

// How many fonts the cache holds, and the uses of one (0 when not cached).
int CachedFontCount();
int FontUses(HFONT font);

// Font styles as the drawing routines take them: bold 1, italic 2,
// underline 4.
inline int FontStyleBits(const FontSpec& spec) {
    return (spec.bold ? 1 : 0) | (spec.italic ? 2 : 0) | (spec.underline ? 4 : 0);
}
