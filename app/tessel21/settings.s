# The settings block: the project's file types, the runtime's message
# texts, the frame window and the application's name.
        .include "tessel/imagedata.inc"

        .data
        .balign 4
        .globl SettingsItem
SettingsItem:
        .long 4
        .long 0                                   # no nodes
        .long .Lsettings_end - .Lsettings
.Lsettings:
        .byte 1                                   # field layout of the control accessors
        BIG32 0                                   # reserved
        BIG32 1                                   # character set: the system's default
        CINT 5                                    # file types: name, creator, type, extensions
        CSTR "APTDAT"
        CSTR "????"
        CSTR "TEXT"
        CSTR ".dat"
        CSTR "NAVDAT"
        CSTR "????"
        CSTR "TEXT"
        CSTR ".dat"
        CSTR "PICT"
        CSTR "????"
        CSTR "????"
        CSTR ""
        CSTR "TEXT"
        CSTR "ttxt"
        CSTR "TEXT"
        CSTR ""
        CSTR "BINARY"
        CSTR "????"
        CSTR "BINA"
        CSTR ""
        CINT 5                                    # message texts; 4 reports an unhandled exception
        CSTR ""
        CSTR ""
        CSTR ""
        CSTR ""
        CSTR "An exception of class %1 was not handled.\rThe application must shut down."
        .byte 1                                   # a frame window: multiple-document mode
        CSTR "Tessel 2.1"
.Lsettings_end:
