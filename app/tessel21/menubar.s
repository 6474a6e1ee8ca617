# The menu bar: the other platform's application menu (skipped here),
# File, Edit and Windows; every item list ends with a placeholder.
        .include "tessel/imagedata.inc"

        .set MENU_ITEM_CLASS, 9
        .set QUIT_ITEM_CLASS, 10

        .data
        .balign 4
        .globl MenuBarItem
MenuBarItem:
        .long 2
        .long .Lmenubar_end - .Lmenubar
.Lmenubar:
        CINT 4                                    # menus
        MENU_ITEM 1, "", "AppleMenu", "", 0, MENU_ITEM_CLASS
        CINT 1
        MENU_ITEM 2, "", "", "", 0, MENU_ITEM_CLASS

        MENU_ITEM 0, "File", "FileMenu", "", 0, MENU_ITEM_CLASS
        CINT 2
        MENU_ITEM 0, "Quit", "FileQuit", "Q", 0, QUIT_ITEM_CLASS
        MENU_ITEM 2, "", "", "", 0, MENU_ITEM_CLASS

        MENU_ITEM 0, "Edit", "EditMenu", "", 0, MENU_ITEM_CLASS
        CINT 8
        MENU_ITEM 0, "Undo", "EditUndo", "Z", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "-", "", "", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "Cut", "EditCut", "X", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "Copy", "EditCopy", "C", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "Paste", "EditPaste", "V", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "Clear", "EditClear", "", 0, MENU_ITEM_CLASS
        MENU_ITEM 0, "-", "", "", 0, MENU_ITEM_CLASS
        MENU_ITEM 2, "", "", "", 0, MENU_ITEM_CLASS

        MENU_ITEM 0, "Windows", "WindowsMenu", "", 0, MENU_ITEM_CLASS
        CINT 2
        MENU_ITEM 0, "Airport Viewer", "WindowsAirportViewer", "A", 0, MENU_ITEM_CLASS
        MENU_ITEM 2, "", "", "", 0, MENU_ITEM_CLASS
.Lmenubar_end:
