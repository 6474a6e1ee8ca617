# The window descriptions: each window's stored properties and its
# controls with theirs, as the runtime builds them.
        .include "tessel/imagedata.inc"

        # class indexes of classes.s
        .set PUSH_BUTTON, 2
        .set STATIC_TEXT, 3
        .set PROGRESS_BAR, 4
        .set CANVAS, 5
        .set EDIT_FIELD, 6
        .set CHECK_BOX, 7
        .set TIMER, 8
        .set SPLASH, 18
        .set INIT_WIN, 19
        .set TESSEL, 20
        .set PROC_WIN, 21
        .set LOGOUT_WIN, 22
        .set THE_BUTT, 23
        .set PUSH_BUTTON_1, 24
        .set PUSH_BUTTON_2, 25
        .set TIMER_1, 26

# STATIC class, name, left, top, width, height, font, size, "text", align, multiLine
.macro STATIC name, left, top, width, height, font, size, text, align, multiLine=False
        CONTROL STATIC_TEXT, 11, \name, \left, \top, \width, \height
        PROP "Text", "\text"
        PROP "TextAlign", "\align"
        PROP "TextColor", "0"
        PROP "TextFont", "\font"
        PROP "TextSize", "\size"
        PROP "Bold", "False"
        PROP "Italic", "False"
        PROP "Underline", "False"
        PROP "MultiLine", "\multiLine"
        PROP "DataSource", ""
        PROP "DataField", ""
.endm

.macro BUTTON class, name, left, top, width, height, size, caption, default, bold=False
        CONTROL \class, 9, \name, \left, \top, \width, \height
        PROP "Caption", "\caption"
        PROP "Default", "\default"
        PROP "Cancel", "False"
        PROP "Enabled", "True"
        PROP "TextFont", "Geneva"
        PROP "TextSize", "\size"
        PROP "Bold", "\bold"
        PROP "Italic", "False"
        PROP "Underline", "False"
.endm

.macro BAR name, left, top, width, height, maximum
        CONTROL PROGRESS_BAR, 2, \name, \left, \top, \width, \height
        PROP "Value", "0"
        PROP "Maximum", "\maximum"
.endm

.macro FIELD name, left, top, width, height
        CONTROL EDIT_FIELD, 17, \name, \left, \top, \width, \height
        PROP "Text", ""
        PROP "TextFont", "Geneva"
        PROP "TextSize", "10"
        PROP "Bold", "False"
        PROP "Italic", "False"
        PROP "Underline", "False"
        PROP "MultiLine", "False"
        PROP "Border", "True"
        PROP "ScrollBar", "True"
        PROP "Styled", "False"
        PROP "Password", "False"
        PROP "UseFocusRing", "True"
        PROP "ReadOnly", "False"
        PROP "LimitText", "0"
        PROP "AcceptTabs", "False"
        PROP "BackColor", "16777215"
        PROP "Enabled", "True"
.endm

        .data

# The splash picture until a click.
        WINDOW splashDescription, SPLASH, splash, 2, False, 16777215, 5, "Airport Tessel 2.1", 0, 401, 190
        CINT 0
        WINDOW_END splashDescription

# The start window: reading the files, their counts and versions.
        WINDOW initWinDescription, INIT_WIN, initWin, 2, False, 16777215, 0, "Airport Tessel", 0, 309, 178
        CINT 15
        STATIC StaticText1, 13, 14, 282, 12, Geneva, 11, "Downloading ICAO data...", 0
        BUTTON THE_BUTT, theButt, 174, 147, 124, 20, 10, "Cancel", False
        STATIC taskText, 13, 71, 176, 12, Geneva, 9, "Waiting for  file selection", 0
        BAR pBar, 13, 45, 282, 12, 40
        STATIC nLines, 159, 71, 136, 12, Geneva, 9, "Processed Lines:", 2
        STATIC nAP, 78, 94, 69, 12, Geneva, 9, "", 0
        STATIC StaticText4, 13, 94, 51, 12, Geneva, 9, "Airports:", 0
        STATIC StaticText5, 13, 113, 51, 12, Geneva, 9, "VORs:", 0
        STATIC StaticText6, 13, 133, 51, 12, Geneva, 9, "NDBs: ", 0
        STATIC nVOR, 78, 113, 69, 12, Geneva, 9, "", 0
        STATIC nNDB, 78, 133, 69, 12, Geneva, 9, "", 0
        STATIC StaticText2, 13, 155, 48, 12, Geneva, 9, "ILS:", 0
        STATIC nILS, 78, 155, 69, 12, Geneva, 9, "", 0
        STATIC fileVers, 213, 120, 82, 20, Geneva, 9, "...", 2
        STATIC fixPointText, 185, 95, 110, 12, Geneva, 9, "Fixpoints: 0", 2
        WINDOW_END initWinDescription

# The main window: the four corners over the map, the check box and the
# two buttons.
        WINDOW tesselDescription, TESSEL, tessel, 0, False, 16777215, 0, "Tessel Main", 0, 228, 341
        CINT 9
        CONTROL CANVAS, 2, Canvas1, 14, 62, 200, 200
        PROP "Backdrop", "6"
        PROP "Enabled", "True"
        FIELD maxlat, 118, 69, 37, 19
        FIELD maxlon, 161, 69, 48, 19
        FIELD minlat, 20, 237, 33, 19
        FIELD minlon, 60, 237, 46, 19
        STATIC StaticText1, 8, 7, 208, 36, Geneva, 10, "Enter the corner coordinates of the area you want to be covered in the subset file.", 1, True
        BUTTON PUSH_BUTTON_1, PushButton1, 14, 308, 111, 20, 10, "Save subset", True, True
        BUTTON PUSH_BUTTON_2, PushButton2, 151, 308, 60, 20, 10, "Done", False
        CONTROL CHECK_BOX, 8, xpready, 14, 274, 131, 20
        PROP "Caption", "Make it XP ready"
        PROP "Value", "False"
        PROP "Enabled", "True"
        PROP "TextFont", "Geneva"
        PROP "TextSize", "9"
        PROP "Bold", "False"
        PROP "Italic", "False"
        PROP "Underline", "False"
        WINDOW_END tesselDescription

# The progress window of a save.
        WINDOW procWinDescription, PROC_WIN, procWin, 3, True, 14079702, 0, "wait a moment...", 0, 299, 86
        CINT 3
        BAR pbar, 13, 41, 273, 12, 100
        STATIC StaticText1, 13, 13, 93, 20, System, 12, "Processing...", 0
        STATIC stats, 13, 58, 215, 20, System, 9, "Processing line n of nmax", 0
        WINDOW_END procWinDescription

# The farewell window: it ends the program after its timer's period or at
# the first click.
        WINDOW logoutWinDescription, LOGOUT_WIN, logoutWin, 3, True, 14342874, 0, "Thanks & bye", 2, 221, 115
        CINT 2
        STATIC StaticText1, 13, 13, 200, 88, Geneva, 10, "Thank you for using Tessel 2.1\r\rAirport Tessel cuts X-Plane navigation data to the region you fly.\rWritten by the Airport Tessel makers.", 0, True
        CONTROL TIMER_1, 2, Timer1, 161, 44, 32, 32
        PROP "Mode", "1"
        PROP "Period", "2500"
        WINDOW_END logoutWinDescription
