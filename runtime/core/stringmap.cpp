// The stringmap. Keys match when their full hashes match and the case table
// finds no difference between their texts. The hash folds only a-z while the
// case table folds accented letters too, so two keys that differ only in the
// case of accented letters hash apart and stay two keys.
#include "stringmap.h"
#include "casetable.h"
#include "string.h"
#include "utility.h"

namespace {

StringMapNode* FindNode(const StringMap* map, const StringObject* key, uint32_t hash) {
    const char* text = StringText(key);
    uint32_t length = StringLength(key);
    for (StringMapNode* node = map->buckets[hash & 0xFF]; node; node = node->bucketNext)
        if (node->hash == hash &&
            CaseTableEqual(StringText(node->key), StringLength(node->key), text, length))
            return node;
    return nullptr;
}

} // namespace

uint32_t StringMapHash(const StringObject* key) {
    const char* text = StringText(key);
    uint32_t hash = 0;
    for (uint32_t i = 0; i < StringLength(key); i++) {
        // Bytes are taken as signed, so those from 0x80 up enter the hash
        // sign-extended and only a-z are folded.
        int32_t byte = static_cast<signed char>(text[i]);
        if (byte >= 'a' && byte <= 'z') byte -= 'a' - 'A';
        hash = (hash << 2) ^ static_cast<uint32_t>(byte);
    }
    return hash;
}

StringMap* NewStringMap() {
    StringMap* map = static_cast<StringMap*>(RuntimeAlloc(sizeof(StringMap)));
    *map = StringMap{};
    return map;
}

void DeleteStringMap(StringMap* map) {
    if (!map) return;
    StringMapNode* node = map->first;
    while (node) {
        StringMapNode* next = node->orderNext;
        RuntimeUnlockString(node->key);
        RuntimeFree(node, sizeof(StringMapNode));
        node = next;
    }
    RuntimeFree(map, sizeof(StringMap));
}

void StringMapInsert(StringMap* map, StringObject* key, uint32_t value) {
    uint32_t hash = StringMapHash(key);
    if (StringMapNode* existing = FindNode(map, key, hash)) {
        existing->value = value;
        return;
    }
    StringMapNode* node = static_cast<StringMapNode*>(RuntimeAlloc(sizeof(StringMapNode)));
    RuntimeLockString(key);
    StringMapNode** bucket = &map->buckets[hash & 0xFF];
    *node = StringMapNode{*bucket, nullptr, hash, key, value};
    *bucket = node;
    if (map->last) map->last->orderNext = node;
    else map->first = node;
    map->last = node;
    map->count++;
}

bool StringMapFind(const StringMap* map, const StringObject* key, uint32_t* value) {
    const StringMapNode* node = FindNode(map, key, StringMapHash(key));
    if (!node) return false;
    *value = node->value;
    return true;
}
