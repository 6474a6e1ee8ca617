// The plug-in records and the current plug-in.
#include "pluginrecords.h"
#include "core/utility.h"

namespace {

PluginRecord* pluginRecords;
PluginRecord* currentPlugin;

} // namespace

PluginRecord* FirstPluginRecord() { return pluginRecords; }
PluginRecord* CurrentPlugin() { return currentPlugin; }

PluginRecord* BeginPlugin(HMODULE module) {
    PluginRecord* record = static_cast<PluginRecord*>(NewRuntimeRecord(sizeof(PluginRecord)));
    *record = PluginRecord{pluginRecords, nullptr, 1, module, false};
    pluginRecords = record;
    currentPlugin = record;
    return record;
}

void EndPlugin() { currentPlugin = nullptr; }

int32_t CurrentPluginVersion() { return currentPlugin ? currentPlugin->version : 0; }

void* ExportedRoutine(const PluginRecord* plugin, uint32_t index) {
    if (!plugin || !plugin->exports) return nullptr;
    return reinterpret_cast<void*>(plugin->exports[index * 3 + 1]);
}

// Calls made outside an entry point have no plug-in to attach to and are
// passed over.
extern "C" void RegisterPluginVersion(int32_t version) {
    if (currentPlugin) currentPlugin->version = version;
}

extern "C" void RegisterPluginExports(const uint32_t* table) {
    if (currentPlugin) currentPlugin->exports = table;
}

extern "C" void PluginMarkSocketUsage() {
    if (currentPlugin) currentPlugin->usesSockets = true;
}
