// RuntimeCreateWindow: a window object, its native window and its controls,
// made from the window description that the image stores for the class: a
// 32-bit byte count, then compact integers and strings: property count,
// class index, name and value pairs, control records (class index, pair
// count, pairs), binding records.
#include "window.h"
#include "windowevents.h"
#include "windowlist.h"
#include "windowops.h"
#include "controlbase.h"
#include "pane.h"
#include "uistate.h"
#include "core/casetable.h"
#include "core/compactcoding.h"
#include "core/compiledcalls.h"
#include "core/failedassertion.h"
#include "core/properties.h"
#include "core/string.h"
#include "core/stringmap.h"
#include "core/utility.h"
#include "files/memorystream.h"
#include <cstdio>
#include <cstring>

namespace {

bool NameIs(const StringObject* name, const char* text) {
    return CaseTableEqual(StringText(name), StringLength(name), text, static_cast<uint32_t>(strlen(text)));
}

bool SameName(const StringObject* a, const StringObject* b) {
    return CaseTableEqual(StringText(a), StringLength(a), StringText(b), StringLength(b));
}

void ReadPairs(MemoryStream& in, int32_t count, ObjectInstance* object, ControlRecord* record) {
    for (int32_t i = 0; i < count; i++) {
        StringRef name(ReadCompactString(in));
        StringRef value(ReadCompactString(in));
        if (record && i < record->pairCount) {
            record->pairs[2 * i] = name.get();
            record->pairs[2 * i + 1] = value.get();
            RuntimeLockString(name.get());
            RuntimeLockString(value.get());
        }
        if (record && NameIs(name.get(), "Index")) AsControl(object)->index = IntegerFromText(value.get());
        if (record && NameIs(name.get(), "Name")) {
            RuntimeLockString(name.get());
            RuntimeUnlockString(record->name);
            record->name = LockedString(value.get());
            RuntimeUnlockString(name.get());
        }
        SetPropertyFromText(object, name.get(), value.get());
    }
}

ControlRecord* NewControlRecord(int32_t classIndex, int32_t pairCount) {
    ControlRecord* record = static_cast<ControlRecord*>(NewRuntimeRecord(sizeof(ControlRecord)));
    *record = ControlRecord{nullptr, nullptr, classIndex, pairCount > 0 ? pairCount : 0, nullptr};
    if (record->pairCount)
        record->pairs = static_cast<StringObject**>(RuntimeAlloc(sizeof(StringObject*) * 2 * record->pairCount));
    for (int32_t i = 0; i < 2 * record->pairCount; i++) record->pairs[i] = nullptr;
    return record;
}

void DeleteControlRecord(ControlRecord* record) {
    for (int32_t i = 0; i < 2 * record->pairCount; i++) RuntimeUnlockString(record->pairs[i]);
    if (record->pairs) RuntimeFree(record->pairs, sizeof(StringObject*) * 2 * record->pairCount);
    RuntimeUnlockString(record->name);
    DeleteRuntimeRecord(record);
}

// The window keeps one record per control name.
void KeepControlRecord(WindowFields* w, ControlRecord* record) {
    for (ControlRecord* kept = w->controlRecords; kept; kept = kept->next)
        if (SameName(kept->name, record->name)) return DeleteControlRecord(record);
    ControlRecord** link = &w->controlRecords;
    while (*link) link = &(*link)->next;
    *link = record;
}

StringObject* DictionaryKey(const ControlFields* control) {
    if (control->index == kNoIndex) return LockedString(control->name);
    char suffix[16];
    snprintf(suffix, sizeof suffix, "$%ld", static_cast<long>(control->index));
    StringRef tail(NewStringFromText(suffix));
    return RuntimeAddString(control->name, tail.get());
}

void ReadControl(MemoryStream& in, ObjectInstance* window) {
    WindowFields* w = AsWindow(window);
    int32_t classIndex = ReadCompactInteger(in);
    int32_t pairCount = ReadCompactInteger(in);
    ObjectRef control(RuntimeNewObject(classIndex));
    bool isControl = IsControl(control.get());
    if (isControl) {
        ControlFields* c = AsControl(control.get());
        c->runtimeWindow = w->runtimeWindow;
        c->window = window;
        c->index = kNoIndex;
        if (IsRectControl(control.get())) {
            AsRectControl(control.get())->visible = true;
            AsRectControl(control.get())->enabled = true;
        }
    }
    ControlRecord* record = NewControlRecord(classIndex, pairCount);
    ReadPairs(in, pairCount, control.get(), record);
    if (isControl) {
        // The Name property may have stored the name; the record has it in any case.
        ControlFields* c = AsControl(control.get());
        if (!c->name) c->name = LockedString(record->name);
    }
    KeepControlRecord(w, record);
    if (!w->controls) w->controls = NewStringMap();
    ControlFields probe{};
    probe.name = isControl ? AsControl(control.get())->name : record->name;
    probe.index = isControl ? AsControl(control.get())->index : kNoIndex;
    StringRef key(DictionaryKey(&probe));
    uint32_t previous = 0;
    if (StringMapFind(w->controls, key.get(), &previous))
        UnlockObject(reinterpret_cast<ObjectInstance*>(previous));
    LockObject(control.get());
    StringMapInsert(w->controls, key.get(), reinterpret_cast<uint32_t>(control.get()));
}

void SkipBindings(MemoryStream& in) {
    // Bindings serve database controls, which this runtime does not have.
    int32_t count = ReadCompactInteger(in);
    for (int32_t i = 0; i < count; i++) {
        ReadCompactInteger(in);
        RuntimeUnlockString(ReadCompactString(in));
        ReadCompactInteger(in);
        RuntimeUnlockString(ReadCompactString(in));
        ReadCompactInteger(in);
        RuntimeUnlockString(ReadCompactString(in));
        RuntimeUnlockString(ReadCompactString(in));
    }
}

template <typename Visit>
void ForEachControl(WindowFields* w, Visit visit) {
    if (!w->controls) return;
    for (const StringMapNode* n = StringMapFirst(w->controls); n; n = StringMapNext(n)) {
        ObjectInstance* control = reinterpret_cast<ObjectInstance*>(n->value);
        if (IsControl(control)) visit(control);
    }
}

void CreatePanes(WindowFields* w) {
    ForEachControl(w, [](ObjectInstance* control) {
        if (uint32_t code = FindEventHandler(control, ControlEventDeclaration(ControlEvent::CreatePane)))
            CallCompiled(code, control);
        Pane* pane = AsControl(control)->pane;
        if (!pane || !IsRectControl(control)) return;
        pane->autoDeactivate = AsRectControl(control)->autoDeactivate;
        if (!AsRectControl(control)->enabled) pane->ChangeState(Pane::kDisable);
        if (!AsRectControl(control)->visible) pane->ChangeState(Pane::kHide);
    });
}

void ApplyStoredAppearance(RuntimeWindow* rw, WindowFields* w) {
    if (w->hasBackColor) {
        rw->hasBackColor = true;
        rw->backColor = ColorRefOf(w->backColor);
    }
    RuntimeLockString(w->balloonHelp);
    rw->balloonHelp = w->balloonHelp;
    if (w->fullScreen) ApplyFullScreen(rw);
}

// Steps 3 and 4: placement, then the runtime window and its native window.
bool MakeRuntimeWindow(ObjectInstance* window) {
    WindowFields* w = AsWindow(window);
    WindowKind kind;
    if (!LookUpWindowKind(w->frame, &kind)) {
        FailedAssertion(0, 4, "window", 0);
        return false;
    }
    PlaceBounds(&w->bounds, w->placement ? w->placement : kind.defaultPlacement);
    w->lastResize = w->bounds;
    w->creation = w->bounds;
    RuntimeWindow* rw = NewRuntimeWindow(window, w->frame);
    SetWindowTag(rw, kViewWindowTag, 1);
    w->runtimeWindow = rw;
    if (!CreateNativeWindow(rw)) {
        w->runtimeWindow = nullptr;
        UnlockObject(rw->object);
        rw->object = nullptr;
        UnlistRuntimeWindow(rw);
        return false;
    }
    ListRuntimeWindow(rw);
    if (!w->visible) rw->wantsVisible = false;
    return true;
}

} // namespace

extern "C" ObjectInstance* RuntimeCreateWindow(const uint8_t* description, ObjectInstance** slot) {
    uint32_t length = 0;
    memcpy(&length, description, 4);
    uint8_t* copy = static_cast<uint8_t*>(RuntimeAlloc(length ? length : 1));
    memcpy(copy, description + 4, length);
    MemoryStream in(copy, length);

    int32_t propertyCount = ReadCompactInteger(in);
    ObjectInstance* window = RuntimeNewObject(ReadCompactInteger(in));
    if (slot) {
        *slot = window;
        LockObject(window);
    }
    // A description starts with a visible window until its pairs say otherwise.
    AsWindow(window)->visible = true;
    ReadPairs(in, propertyCount, window, nullptr);
    bool made = MakeRuntimeWindow(window);
    WindowFields* w = AsWindow(window);
    RuntimeWindow* rw = w->runtimeWindow;
    if (made) {
        int32_t controlCount = ReadCompactInteger(in);
        for (int32_t i = 0; i < controlCount; i++) ReadControl(in, window);
        CreatePanes(w);
        ApplyStoredAppearance(rw, w);
        SkipBindings(in);
        ForEachControl(w, [](ObjectInstance* control) { SendControlEvent(control, ControlEvent::Open); });
        SendWindowEvent(window, WindowEvent::Open);
        if (w->visible && w->runtimeWindow) InvalidateRect(w->runtimeWindow->hwnd, nullptr, TRUE);
        if (w->runtimeWindow) w->runtimeWindow->slot = slot;
    }
    RuntimeFree(copy, length ? length : 1);
    if (made && w->runtimeWindow == rw && rw) return window;
    if (slot && *slot == window) {
        *slot = nullptr;
        UnlockObject(window);
    }
    UnlockObject(window);
    return nullptr;
}
