// The project items of the application image: pictures, the menu bar, the
// settings block, module instances and the other objects that compiled code
// reaches by project number.
#pragma once
#include <cstdint>

struct ObjectInstance;

// Registers the built-in classes of the project objects; run once.
void RegisterProjectItemClasses();

// Processes the items in order; items[k] is project number k + 1 (null
// entries are passed over). Replaces the project objects of an earlier image.
void ProcessProjectItems(const uint32_t* const* items, int32_t count);

// The project object of that number (lent); null for 0, numbers off the
// table and items that make no object.
ObjectInstance* ProjectObject(int32_t number);
