// The font cache and the face-name and character-set mapping.
#include "fonts.h"
#include "core/settings.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

struct FaceAlias {
    const char* stored;
    const char* windows;
};

const FaceAlias kFaceAliases[] = {
    {"System", "MS Sans Serif"}, {"Application", "MS Sans Serif"}, {"Geneva", "MS Sans Serif"},
    {"Courier", "Courier New"},  {"Times", "Times New Roman"},      {"Helvetica", "Arial"},
    {"Osaka", "MS UI Gothic"},
};

struct CachedFont {
    CachedFont* next;
    StringObject* face;     // as requested, before the mapping
    int16_t size;
    uint8_t bold, italic, underline;
    HFONT font;
    int uses;
};

CachedFont* cache;

bool AsciiEqualIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; a++, b++) {
        char x = *a >= 'a' && *a <= 'z' ? char(*a - 32) : *a;
        char y = *b >= 'a' && *b <= 'z' ? char(*b - 32) : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

bool SameFace(StringObject* a, StringObject* b) {
    if (a == b) return true;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, StringText(a),
                          int(StringLength(a)), StringText(b), int(StringLength(b))) == CSTR_EQUAL;
}

bool Matches(const CachedFont& entry, const FontSpec& spec) {
    return entry.size == spec.textSize && entry.bold == (spec.bold != 0) &&
           entry.italic == (spec.italic != 0) && entry.underline == (spec.underline != 0) &&
           SameFace(entry.face, spec.textFont);
}

HFONT CreateFontOf(const FontSpec& spec) {
    return CreateFontA(-spec.textSize, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic != 0,
                       spec.underline != 0, FALSE, FontCharacterSet(), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       MappedFaceName(StringText(spec.textFont)));
}

} // namespace

const char* MappedFaceName(const char* face) {
    for (const FaceAlias& alias : kFaceAliases)
        if (AsciiEqualIgnoringCase(face, alias.stored)) return alias.windows;
    return face;
}

HFONT AcquireFont(const FontSpec& spec) {
    for (CachedFont* entry = cache; entry; entry = entry->next)
        if (Matches(*entry, spec)) {
            entry->uses++;
            return entry->font;
        }
    HFONT font = CreateFontOf(spec);
    if (!font) return nullptr;
    CachedFont* entry = static_cast<CachedFont*>(NewRuntimeRecord(sizeof(CachedFont)));
    *entry = CachedFont{cache,         spec.textFont, spec.textSize, uint8_t(spec.bold != 0),
                        uint8_t(spec.italic != 0), uint8_t(spec.underline != 0), font, 1};
    RuntimeLockString(spec.textFont);
    cache = entry;
    return font;
}

void ReleaseFont(HFONT font) {
    if (!font) return;
    for (CachedFont** link = &cache; *link; link = &(*link)->next) {
        CachedFont* entry = *link;
        if (entry->font != font) continue;
        if (--entry->uses > 0) return;
        *link = entry->next;
        DeleteObject(entry->font);
        RuntimeUnlockString(entry->face);
        DeleteRuntimeRecord(entry);
        return;
    }
}

int CachedFontCount() {
    int count = 0;
    for (CachedFont* entry = cache; entry; entry = entry->next) count++;
    return count;
}

int FontUses(HFONT font) {
    for (CachedFont* entry = cache; entry; entry = entry->next)
        if (entry->font == font) return entry->uses;
    return 0;
}
