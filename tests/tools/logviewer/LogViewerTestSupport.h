#pragma once
// Helpers of the log service's tests: a settable clock for the loggers, the lines of a log file
// (hexadecimal lines decoded), LOG.ini files and records built by hand.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace logtest {

// While it lives, every logger of the service reads the local time from here.
class FakeClock {
public:
    FakeClock(int year, int month, int day, int hour = 10, int minute = 0);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;
    void Set(int year, int month, int day, int hour = 10, int minute = 0);
};

// The lines of a file without their CR LF; hexadecimal lines (after a header with "<<CRYPTO>>")
// are decoded and lose their own trailing "\n".
std::vector<std::wstring> ReadLogLines(const std::wstring& path, bool decodeHex = true);
// The raw lines without their CR LF.
std::vector<std::string> ReadRawLines(const std::wstring& path);
bool FileExists(const std::wstring& path);

// A LOG.ini with the two switches of the service's loggers.
std::wstring WriteLogIni(const zeltest::TempDir& dir, int threadUse, int crypto);

// A registration record of 9056 bytes and a short line of (n + 263) * 2 bytes, built the way
// the client builds them.
std::string RegistrationRecord(const std::wstring& folder, const std::wstring& path, int keepDays,
                               int fileFlag, int minLevel, int debugFlag);
std::string ShortLineRecord(int level, const std::wstring& key, const std::wstring& text);
// A full line record (dwData 100): 1056 bytes of fixed fields and the text with its terminator.
std::string FullLineRecord(int level, const std::wstring& key, const std::wstring& text);

}  // namespace logtest
