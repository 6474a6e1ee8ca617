// The application's menu bar, built from the description that the image
// stores as a project item.
#pragma once

class ByteStream;

bool MenuBarExists();

// Builds the menu bar from its description (menus, item records, item lists).
void BuildMenuBar(ByteStream& description);
