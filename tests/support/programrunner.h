// Runs a Windows program of the build as a person would start it: in a given
// working folder, with its message boxes read and answered by a watcher.
#pragma once
#include "msgboxwatcher.h"
#include <memory>
#include <string>

struct ProgramRun {
    bool started = false;
    bool finished = false;       // false: it was still running at the deadline and was ended
    DWORD exitCode = 0;
    std::vector<SeenMessageBox> boxes;
};

// answers: the buttons to press in the boxes the program shows, in order.
ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const std::string& workingFolder, std::initializer_list<int> answers = {},
                      DWORD timeoutMs = 60000);

// Runs a copy of the bare runtime (the Tessel21.exe beside the test program)
// in a fresh folder that holds the development files of the test program's
// fixtures\<fixture> (none when fixture is empty), as a user who starts it
// there.
ProgramRun RunRuntimeOnFixture(const std::string& fixture, std::initializer_list<int> answers = {});
