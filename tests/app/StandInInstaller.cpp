// A stand-in for the client's installer, which the upgrade test serves as the download: started,
// it writes its own path into the file that ZEL_STAND_IN_MARK names and ends.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    wchar_t mark[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(L"ZEL_STAND_IN_MARK", mark, MAX_PATH)) return 1;
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    HANDLE file = ::CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    ::WriteFile(file, self, (DWORD)(std::wcslen(self) * sizeof(wchar_t)), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
