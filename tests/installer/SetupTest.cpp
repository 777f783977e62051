// The setup program and a theme package under Wine, in a prefix made fresh for this run, as one
// user's story: an older build installed and upgraded, a theme file opened with the installed
// program, a theme package installed and removed with the program's Uninstall button, and the
// uninstall, after which the machine is as the fresh prefix had it.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/win32/version.h"
#include "store/InstalledThemeStore.h"
#include "tests/e2e/VelmoraUser.h"

namespace velmora::e2e {
namespace {

const std::string kSetupKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" VELMORA_PRODUCT_NAME;
const std::string kStore = std::string(kThemeStoreRoot) + "\\";
// Not the default folder, but one the uninstall removes with the maker's.
const std::string kFolder = "C:\\Program Files\\" VELMORA_COMPANY_NAME "\\Elsewhere";

// Runs a command line to its end: its exit code, or -1.
int RunToEnd(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD code = static_cast<DWORD>(-1);
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &info) &&
        WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

// An uninstaller copies itself to the temp folder (Au_.exe, Un_A.exe), starts the copy and ends
// at once: true once none runs. One that shows its pages waits for a click forever.
bool UninstallersDone() {
    return WaitUntil([] {
        HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 process{};
        process.dwSize = sizeof process;
        bool running = false;
        for (BOOL more = Process32First(all, &process); more; more = Process32Next(all, &process))
            running |= _strnicmp(process.szExeFile, "un", 2) == 0 ||
                       _stricmp(process.szExeFile, "Au_.exe") == 0;
        CloseHandle(all);
        return !running;
    });
}

// Every key and value of the machine's and the user's software settings, and every file and
// folder of drive C:, as lines; but Wine's own settings, and the copy of itself an uninstaller
// runs from in the temp folder (Windows deletes it at its next start).
void AddKey(HKEY parent, const std::string& name, const std::string& path,
            std::set<std::string>& lines) {
    HKEY key = nullptr;
    if (name == "Wine" || RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    lines.insert(path);
    DWORD values = 0, nameLength = 0, dataLength = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                     &nameLength, &dataLength, nullptr, nullptr);
    std::string value(nameLength + 1, '\0'), data(dataLength, '\0');
    for (DWORD i = 0, nameSize, size, kind; i < values; ++i) {
        nameSize = static_cast<DWORD>(value.size()), size = dataLength;
        if (RegEnumValueA(key, i, &value[0], &nameSize, nullptr, &kind,
                          reinterpret_cast<BYTE*>(&data[0]), &size) == ERROR_SUCCESS)
            lines.insert(path + " : \"" + value.substr(0, nameSize) +
                         "\" = " + std::to_string(kind) + " " + data.substr(0, size));
    }
    char child[MAX_PATH];
    for (DWORD i = 0; RegEnumKeyA(key, i, child, sizeof child) == ERROR_SUCCESS; ++i)
        AddKey(key, child, path + "\\" + child, lines);
    RegCloseKey(key);
}
void AddFolder(const std::string& folder, const std::string& skipped,
               std::set<std::string>& lines) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        const std::string path = folder + "\\" + found.cFileName;
        if (found.cFileName[0] == '.' || path.rfind(skipped, 0) == 0) continue;
        const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        lines.insert(isFolder ? path + "\\" : path);
        // Wine's drive letters and its link back to the Unix root lead out of the drive.
        if (isFolder && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            AddFolder(path, skipped, lines);
    }
    FindClose(search);
}
std::set<std::string> Machine() {
    std::set<std::string> lines;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    AddKey(HKEY_LOCAL_MACHINE, "Software", "HKLM\\Software", lines);
    AddKey(HKEY_CURRENT_USER, "Software", "HKCU\\Software", lines);
    AddFolder("C:", temp + std::string("~nsu"), lines);
    return lines;
}
std::vector<std::string> Minus(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::vector<std::string> difference;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(difference));
    return difference;
}

TEST(SetupTest, InstallUpgradeOpenAThemeAThemePackageInAndOutAndUninstallLeavingNothing) {
    const std::set<std::string> fresh = Machine();
    ASSERT_EQ(RunToEnd("\"" VELMORA_OLDER_SETUP "\" /S /D=" + kFolder), 0);

    // The upgrade stays in the older build's folder and keeps the theme the user applied.
    WriteValue(HKEY_CURRENT_USER, kStore + kCurrentThemeEntry, "", Sz("Aqua"));
    ASSERT_EQ(RunToEnd("\"" VELMORA_SETUP "\" /S"), 0);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kSetupKey, "DisplayVersion"), Sz(VELMORA_VERSION_TEXT));
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kSetupKey, "InstallLocation"), Sz(kFolder));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kStore + kCurrentThemeEntry, ""), Sz("Aqua"));

    // A theme file opened through the shell: the installed program asks to apply it.
    ASSERT_EQ(RunToEnd("cmd /c start \"\" \"" + kFolder + "\\Themes\\Ocean\\Ocean.vlr\""), 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (question = FindDialog(0, 0xFFFF)) != nullptr; }));
    DWORD id = 0;
    GetWindowThreadProcessId(question, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    char image[MAX_PATH] = {};
    GetModuleFileNameExA(process, nullptr, image, MAX_PATH);
    CloseHandle(process);
    EXPECT_EQ(_stricmp(image, (kFolder + "\\Velmora.exe").c_str()), 0) << image;
    ASSERT_TRUE(Answer(question, IDNO));

    // A theme package, removed again by the program's Uninstall button: its uninstaller runs
    // silently and takes the package's entry with it.
    ASSERT_EQ(RunToEnd("\"" VELMORA_THEME_PACKAGE "\" /S"), 0);
    {
        VelmoraProcess velmora("", kFolder + "\\Velmora.exe");
        HWND window = velmora.WaitForDialog(IDC_LIST1);
        ASSERT_TRUE(Select(window, "Harbour Lights"));
        ASSERT_TRUE(Click(window, IDC_CMDUNINSTALL));
        ASSERT_TRUE(Answer(velmora.WaitForDialog(0xFFFF), IDYES));
        ASSERT_TRUE(Answer(velmora.WaitForDialog(0xFFFF), IDOK));  // the browsers are reopened
        EXPECT_TRUE(UninstallersDone());
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kStore + "Harbour Lights", ""), std::nullopt);
    }

    // The uninstall, with the quiet command the setup registered, as Add/Remove Programs runs it.
    const auto quiet = ReadValue(HKEY_LOCAL_MACHINE, kSetupKey, "QuietUninstallString");
    EXPECT_EQ(RunToEnd(quiet.value_or("").c_str()), 0);
    EXPECT_TRUE(UninstallersDone());
    const std::set<std::string> after = Machine();
    EXPECT_EQ(Minus(after, fresh), std::vector<std::string>{}) << "left behind";
    EXPECT_EQ(Minus(fresh, after), std::vector<std::string>{}) << "taken away";
}

}  // namespace
}  // namespace velmora::e2e
