// The EditField class: a text-entry control whose pane wraps a rich-edit
// control of "RICHED32.DLL".
#pragma once

struct ClassRecord;

void RegisterEditFieldClass();
ClassRecord* EditFieldClass();
