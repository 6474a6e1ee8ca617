#include "programrunner.h"
#include "testfiles.h"

ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const std::string& workingFolder, std::initializer_list<int> answers,
                      DWORD timeoutMs) {
    ProgramRun run;
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Started suspended so that the watcher is in place before any box shows.
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                        &process))
        return run;
    run.started = true;
    {
        MessageBoxWatcher watcher(process.dwProcessId);
        watcher.Answer(answers);
        ResumeThread(process.hThread);
        run.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
        if (!run.finished) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
        }
        run.boxes = watcher.Seen();
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

ProgramRun RunRuntimeOnFixture(const std::string& fixture, std::initializer_list<int> answers) {
    TemporaryFolder folder;
    CopyWholeFile(ProgramFolder() + "\\Tessel21.exe", folder / "Tessel21.exe");
    if (!fixture.empty())
        for (const char* file : {"code1.dat", "code2.dat", "data1.dat", "data2.dat"})
            CopyWholeFile(ProgramFolder() + "\\fixtures\\" + fixture + "\\" + file, folder / file);
    return RunProgram(folder / "Tessel21.exe", "", folder.path(), answers);
}
