// Scanning captions for their mnemonic.
#include "mnemonics.h"
#include "core/string.h"

char MnemonicOf(const StringObject* caption) {
    const char* text = StringText(caption);
    uint32_t length = StringLength(caption);
    char marked = 0;
    for (uint32_t i = 0; i + 1 < length; i++) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {     // a literal ampersand
            i++;
            continue;
        }
        marked = text[++i];
    }
    if (marked >= 'a' && marked <= 'z') marked = char(marked - 'a' + 'A');
    return marked;
}

bool MnemonicShortcutText(char mnemonic, char* text) {
    if (!mnemonic) return false;
    const char prefix[] = "Alt+";
    for (int i = 0; i < 4; i++) text[i] = prefix[i];
    text[4] = mnemonic;
    text[5] = 0;
    return true;
}
