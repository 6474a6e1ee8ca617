// One whole session of Tessel21.exe, driven as a person would: the splash
// click, the start window's reading, Proceed, the four corners, Make it XP
// ready, Save subset with its three save dialogs, Done and the farewell
// window that ends the program.
#pragma once
#include "dialogs.h"
#include <map>
#include <string>
#include <vector>

struct SessionPlan {
    std::string program;                 // the Tessel21.exe to copy and run
    std::string dataFolder;              // copied as data\ beside it; files missing there stay missing
    std::string maxlat, maxlon, minlat, minlon;
    bool xpready = false;
    std::vector<std::string> saves;      // the three save answers: path, or "" to cancel
    bool pressReturnForDone = true;      // after a save Return presses "Done"
    bool clickFarewell = false;          // else the farewell timer ends the program
    std::string pictureFolder;           // when set: a .bmp of each window as it is met
};

struct SessionResult {
    bool started = false;
    bool reachedMainWindow = false;
    bool ended = false;                  // the program ended by itself
    DWORD farewellMs = 0;                // from the farewell window to the end
    std::map<std::string, std::string> startTexts;   // the start window's texts by control name
    std::vector<std::string> messages;
    std::vector<SeenSaveDialog> saves;
};

SessionResult RunSession(const SessionPlan& plan);
