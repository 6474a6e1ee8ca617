// Mnemonics of captions: "&x" marks x as the key that activates a control
// with Alt; "&&" stands for an ampersand.
#pragma once
#include <cstdint>

struct StringObject;

// The last marked character, ASCII letters upper-cased; 0 when none is
// marked.
char MnemonicOf(const StringObject* caption);

// The shortcut text for a mnemonic: "Alt+" and the character; false (and
// nothing written) for 0. text holds at least 6 bytes.
bool MnemonicShortcutText(char mnemonic, char* text);
