// The application's objects as its code sees them: the record classes, the
// two modules and the windows' own fields, laid out after the runtime's
// header (and after the Window class's 120 bytes for the windows).
#pragma once
#include "references.h"

namespace tessel21 {

// Positions in the image's class list (classes.s).
enum ClassIndex {
    kAptClass = 11, kRwyClass, kNavClass, kFixClass, kGlobClass, kConfigParserClass,
    kAppClass, kSplashClass, kInitWinClass, kTesselClass, kProcWinClass, kLogoutWinClass,
};

struct Apt {
    Object header;
    int elevation;
    int firstFlag;
    int secondFlag;
    StringObject* icao;
    StringObject* name;
    RuntimeArray* runways;
};

struct Rwy {
    Object header;
    double lat;
    double lon;
    int number;
    StringObject* suffix;
    double heading;
    int length;
    int width;
    StringObject* codes;
};

struct Nav {
    Object header;
    int navType;
    double lat;
    double lon;
    int numA;
    int numB;
    double numC;
    StringObject* ident;
    StringObject* tail;
};

struct Fix {
    Object header;
    double lat;
    double lon;
    StringObject* name;
};

struct Glob {
    Object header;
    RuntimeArray* airports;
    Object* appFolder;
    RuntimeArray* navaids;
    RuntimeArray* fixes;
    Object* mainWindow;
    Object* progressWindow;
};

// Column positions of apt.dat lines, counted from 1.
struct ConfigParser {
    Object header;
    int elevCol, numberCol, suffixCol, headingCol, icaoCol, latCol, lonCol, nameAfterCol,
        secondFlagCol, lengthCol, widthCol, firstFlagCol, codesCol;
};

constexpr unsigned kWindowSize = 120;

// The start window's reading state.
struct InitWin {
    unsigned char window[kWindowSize];
    Object* aptFile;
    Object* navFile;
    bool aptOK;
    bool navOK;
    StringObject* navVersion;
    Object* fixFile;
};

// The instance sizes that the class descriptors of classes.s state.
static_assert(sizeof(Apt) == 48 && sizeof(Rwy) == 72 && sizeof(Nav) == 72 && sizeof(Fix) == 48,
              "record sizes of classes.s");
static_assert(sizeof(Glob) == 48 && sizeof(ConfigParser) == 76 && sizeof(InitWin) == 140,
              "module and window sizes of classes.s");

// The module instances: slots in the image's data that the runtime fills
// at start.
extern "C" Object* globModule;
extern "C" Object* configParserModule;
inline Glob* glob() { return reinterpret_cast<Glob*>(globModule); }
inline ConfigParser* configParser() { return reinterpret_cast<ConfigParser*>(configParserModule); }

// An empty array of records: slot 0 exists and stays nil.
RuntimeArray* NewRecordArray();

// The record at index (1 to the upper bound), as a new reference.
inline Obj RecordAt(RuntimeArray* array, int index) { return Obj(RuntimeDirectReadObjectArray(array, index)); }

// A window's control by name, without a reference of its own.
inline Object* Control(Object* window, StringObject* name) { return RuntimeControlFetch(window, name); }

// The window that holds a control (the Control class's field at 44).
inline Obj WindowOf(Object* control) { return Obj(objGetter(control, 44)); }

} // namespace tessel21
