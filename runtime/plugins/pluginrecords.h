// The plug-in records: one per plug-in library whose entry point was found,
// newest first, for the whole run. Registration attaches what a plug-in
// registers to the current plug-in, the one whose OPALPluginMain is running.
#pragma once
#include <cstdint>
#include <windows.h>

struct PluginRecord {
    PluginRecord* next;
    const uint32_t* exports;      // the exported-routine table, 12-byte entries
    int32_t version;              // the interface version it declared; 1 if none
    // Host fields.
    HMODULE module;
    bool usesSockets;
};

// The newest plug-in record; null before any plug-in was loaded.
PluginRecord* FirstPluginRecord();
// The plug-in whose entry point is running; null at all other times.
PluginRecord* CurrentPlugin();

// A new record at the front of the list, made the current plug-in.
PluginRecord* BeginPlugin(HMODULE module);
void EndPlugin();

// The version of the current plug-in; 0 outside an entry point, so that
// registrations made then are refused.
int32_t CurrentPluginVersion();

// The routine of entry index of the plug-in's exported-routine table (the
// second word of the 12-byte entry); null without a table.
void* ExportedRoutine(const PluginRecord* plugin, uint32_t index);

extern "C" {
void RegisterPluginVersion(int32_t version);
void RegisterPluginExports(const uint32_t* table);
void PluginMarkSocketUsage();
}
