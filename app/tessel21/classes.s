# The application's class list: the built-in classes it names, its record
# classes and modules, the application class, its five windows and the
# controls that carry event code; then its project items. The order of the
# list is the class indexes of records.h and the window descriptions.
        .include "tessel/classlist.inc"

        .data
        .balign 4
        .globl _ClassList
_ClassList:
        .long 27
        .long Application, Window, PushButton, StaticText, ProgressBar       #  0 -  4
        .long Canvas, EditField, CheckBox, Timer, MenuItem                    #  5 -  9
        .long QuitMenuItem, apt, rwy, nav, fix                                # 10 - 14
        .long glob, configParser, App, splash, initWin                        # 15 - 19
        .long tessel, procWin, logoutWin, theButtClass, PushButton1Class      # 20 - 24
        .long PushButton2Class, Timer1Class                                   # 25 - 26
        .long 6                                   # project items, numbered from 1
        .long _MenuBar, _Settings, GlobItem, ConfigParserItem                # 1 - 4
        .long _SplashPicture, _CanvasPicture                                  # 5 - 6

        CLASS_REFERENCE Application, s_Application
        CLASS_REFERENCE Window, s_Window
        CLASS_REFERENCE PushButton, s_PushButton
        CLASS_REFERENCE StaticText, s_StaticText
        CLASS_REFERENCE ProgressBar, s_ProgressBar
        CLASS_REFERENCE Canvas, s_Canvas
        CLASS_REFERENCE EditField, s_EditField
        CLASS_REFERENCE CheckBox, s_CheckBox
        CLASS_REFERENCE Timer, s_Timer
        CLASS_REFERENCE MenuItem, s_MenuItem
        CLASS_REFERENCE QuitMenuItem, s_QuitMenuItem

# The records: sizes as records.h lays them out.
        CLASS apt, 48, s_apt, -1, _AptConstructor, _AptDestructor
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS rwy, 72, s_rwy, -1, none, _RwyDestructor
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS nav, 72, s_nav, -1, none, _NavDestructor
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS fix, 48, s_fix, -1, none, _FixDestructor
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

# The modules.
        CLASS glob, 48, s_glob, -1, _GlobConstructor, _GlobDestructor
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS configParser, 76, s_configParser, -1
        METHODS 3
        METHOD s_configureParser, _configureParser
        METHOD s_parseAirport, _parseAirport
        METHOD s_parseRunway, _parseRunway
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

# The application class and the windows.
        CLASS App, 0, s_App, 0
        METHODS 0
        EVENTS 1
        EVENT s_EnableMenuItems, _AppEnableMenuItems
        MENU_HANDLERS 0
        CLASS_END

        CLASS splash, 0, s_splash, 1
        METHODS 0
        EVENTS 1
        EVENT s_MouseDown, _SplashMouseDown
        MENU_HANDLERS 0
        CLASS_END

        CLASS initWin, 140, s_initWin, 1, none, _InitWinDestructor
        METHODS 4
        METHOD s_getAptData, _getAptData
        METHOD s_init, _init
        METHOD s_getNavData, _getNavData
        METHOD s_getFixDat, _getFixDat
        EVENTS 1
        EVENT s_Open, _InitWinOpen
        MENU_HANDLERS 0
        CLASS_END

        CLASS tessel, 0, s_tessel, 1
        METHODS 4
        METHOD s_saveNavDat, _saveNavDat
        METHOD s_saveApt, _saveApt
        METHOD s_saveFixDat, _saveFixDat
        METHOD s_addXPDefaultAP, _addXPDefaultAP
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS procWin, 0, s_procWin, 1
        METHODS 0
        EVENTS 0
        MENU_HANDLERS 0
        CLASS_END

        CLASS logoutWin, 0, s_logoutWin, 1
        METHODS 0
        EVENTS 1
        EVENT s_MouseDown, _LogoutWinMouseDown
        MENU_HANDLERS 0
        CLASS_END

# The controls with event code: nameless subclasses with their one event.
        CLASS theButtClass, 0, 0, 2
        METHODS 0
        EVENTS 1
        EVENT s_Action, _TheButtAction
        MENU_HANDLERS 0
        CLASS_END

        CLASS PushButton1Class, 0, 0, 2
        METHODS 0
        EVENTS 1
        EVENT s_Action, _SaveSubsetAction
        MENU_HANDLERS 0
        CLASS_END

        CLASS PushButton2Class, 0, 0, 2
        METHODS 0
        EVENTS 1
        EVENT s_Action, _DoneAction
        MENU_HANDLERS 0
        CLASS_END

        CLASS Timer1Class, 0, 0, 8
        METHODS 0
        EVENTS 1
        EVENT s_Action, _FarewellTimerAction
        MENU_HANDLERS 0
        CLASS_END

# Project items: the module instances here; the menu bar, the settings
# block and the two pictures are encoded from imagedata.txt.
        .balign 4
GlobItem:               .long 5, 15, _globModule
ConfigParserItem:       .long 5, 16, _configParserModule

        .globl _globModule, _configParserModule, _splashInstance
_globModule:            .long 0
_configParserModule:    .long 0
_splashInstance:        .long 0

        STRING s_Application, "Application"
        STRING s_Window, "Window"
        STRING s_PushButton, "PushButton"
        STRING s_StaticText, "StaticText"
        STRING s_ProgressBar, "ProgressBar"
        STRING s_Canvas, "Canvas"
        STRING s_EditField, "EditField"
        STRING s_CheckBox, "CheckBox"
        STRING s_Timer, "Timer"
        STRING s_MenuItem, "MenuItem"
        STRING s_QuitMenuItem, "QuitMenuItem"
        STRING s_apt, "apt"
        STRING s_rwy, "rwy"
        STRING s_nav, "nav"
        STRING s_fix, "fix"
        STRING s_glob, "glob"
        STRING s_configParser, "configParser"
        STRING s_configureParser, "configureParser"
        STRING s_parseAirport, "parseAirport"
        STRING s_parseRunway, "parseRunway"
        STRING s_App, "App"
        STRING s_EnableMenuItems, "EnableMenuItems"
        STRING s_splash, "splash"
        STRING s_MouseDown, "MouseDown"
        STRING s_initWin, "initWin"
        STRING s_getAptData, "getAptData"
        STRING s_init, "init"
        STRING s_getNavData, "getNavData"
        STRING s_getFixDat, "getFixDat"
        STRING s_Open, "Open"
        STRING s_tessel, "tessel"
        STRING s_saveNavDat, "saveNavDat"
        STRING s_saveApt, "saveApt"
        STRING s_saveFixDat, "saveFixDat"
        STRING s_addXPDefaultAP, "addXPDefaultAP"
        STRING s_procWin, "procWin"
        STRING s_logoutWin, "logoutWin"
        STRING s_Action, "Action"
