// Started through the shell by the URL tests: leaves "<its own path>.started".
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH + 16];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    lstrcpyA(path + length, ".started");
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    return 0;
}
