// Constructors and destructors of the record classes, the modules and the
// start window: arrays are made empty and disposed of with their records,
// strings and objects are released.
#include "records.h"

namespace tessel21 {

RuntimeArray* NewRecordArray() {
    RuntimeArray* array = RuntimeCreateArray();
    RuntimeArrayCreateAddIndex(array, 0, 0);
    return array;
}

extern "C" {

void AptConstructor(Apt* apt, const void*) { apt->runways = NewRecordArray(); }

void AptDestructor(Apt* apt, const void*) {
    RuntimeUnlockString(apt->icao);
    RuntimeUnlockString(apt->name);
    RuntimeDisposeObjectArray(apt->runways);
}

void RwyDestructor(Rwy* rwy, const void*) {
    RuntimeUnlockString(rwy->suffix);
    RuntimeUnlockString(rwy->codes);
}

void NavDestructor(Nav* nav, const void*) {
    RuntimeUnlockString(nav->ident);
    RuntimeUnlockString(nav->tail);
}

void FixDestructor(Fix* fix, const void*) { RuntimeUnlockString(fix->name); }

void GlobConstructor(Glob* glob, const void*) {
    glob->airports = NewRecordArray();
    glob->navaids = NewRecordArray();
    glob->fixes = NewRecordArray();
}

void GlobDestructor(Glob* glob, const void*) {
    RuntimeDisposeObjectArray(glob->airports);
    RuntimeDisposeObjectArray(glob->navaids);
    RuntimeDisposeObjectArray(glob->fixes);
    RuntimeUnlockObject(glob->appFolder);
    RuntimeUnlockObject(glob->mainWindow);
    RuntimeUnlockObject(glob->progressWindow);
}

void InitWinDestructor(InitWin* window, const void*) {
    RuntimeUnlockObject(window->aptFile);
    RuntimeUnlockObject(window->navFile);
    RuntimeUnlockString(window->navVersion);
    RuntimeUnlockObject(window->fixFile);
}

} // extern "C"

} // namespace tessel21
