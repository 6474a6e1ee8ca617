// The CheckBox class: a "BUTTON" pane whose mark the runtime toggles itself.
#pragma once

struct ClassRecord;
struct ObjectInstance;

void RegisterCheckBoxClass();
ClassRecord* CheckBoxClass();

// A press of its mnemonic: the same as a click.
void ClickCheckBox(ObjectInstance* box);
