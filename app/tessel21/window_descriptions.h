// The window descriptions and the stored plug-ins in the image's data
// (imagedata.s), and the implicit-instance slot of the splash window.
#pragma once

extern "C" {
extern const unsigned char splashDescription[];
extern const unsigned char initWinDescription[];
extern const unsigned char tesselDescription[];
extern const unsigned char procWinDescription[];
extern const unsigned char logoutWinDescription[];
extern tessel::Object* splashInstance;
// the first stored plug-in record, or null (filled in by the image builder)
extern const void* tessel_stored_plugins;
extern const unsigned char ClassList[];
}
