// The stringmap: the runtime's hash table from case-insensitive string keys
// to 32-bit values. It holds the entry-point dictionary, the class dictionary
// and each window's control dictionary. Besides its 256 bucket chains it
// keeps its nodes in insertion order, which is the order of iteration.
#pragma once
#include <cstdint>

struct StringObject;

struct StringMapNode {
    StringMapNode* bucketNext;   // chain of the node's bucket
    StringMapNode* orderNext;    // the node inserted after this one
    uint32_t hash;               // full hash of the key
    StringObject* key;           // locked by the map
    uint32_t value;
};

constexpr int kStringMapBuckets = 256;

struct StringMap {
    StringMapNode* buckets[kStringMapBuckets];
    StringMapNode* first;        // insertion order
    StringMapNode* last;
    int count;
};

StringMap* NewStringMap();
// Unlocks every key and frees the map and its nodes.
void DeleteStringMap(StringMap* map);

// Maps key to value. A key already present (ignoring case) keeps its node and
// place in the order and takes the new value; a new key is locked.
void StringMapInsert(StringMap* map, StringObject* key, uint32_t value);

// Sets *value and returns true when the key is present.
bool StringMapFind(const StringMap* map, const StringObject* key, uint32_t* value);

inline int StringMapCount(const StringMap* map) { return map->count; }

// Iteration in insertion order:
//   for (const StringMapNode* n = StringMapFirst(map); n; n = StringMapNext(n))
inline const StringMapNode* StringMapFirst(const StringMap* map) { return map->first; }
inline const StringMapNode* StringMapNext(const StringMapNode* node) { return node->orderNext; }

// The key hash: starting from 0, hash = (hash << 2) ^ byte over the key's
// bytes, with only the ASCII letters a-z turned to upper case first.
uint32_t StringMapHash(const StringObject* key);
