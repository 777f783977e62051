// The setup program and a theme package under Wine, in a prefix made fresh for this run. The
// suites run in order and build on each other's machine, as one user's story: a silent
// install, opening a theme file, a theme package and its uninstall, an upgrade over an older
// build, and the uninstall that leaves nothing of ours.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/ComApartment.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Win32Shell.h"
#include "app/win32/version.h"
#include "tests/e2e/RegistryProbe.h"
#include "tests/e2e/VelmoraProcess.h"
#include "tests/installer/Commands.h"
#include "tests/installer/SystemSnapshot.h"

namespace velmora::setup {
namespace {

const std::string kProduct = VELMORA_PRODUCT_NAME;
const std::string kStore = "Software\\Tolvane\\Quenmark\\Velmoras";
const std::string kMark = kStore + "\\.Current";
const std::string kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + kProduct;
const std::vector<std::string> kSamples = {"Aqua", "Autumn", "Blue", "Ocean"};
// The theme package the tests build from a copy of the Ocean sample, under a title of its own.
const std::string kPackageTitle = "Harbour Lights";
const std::string kUpgradeFolder = "C:\\Apps\\Kelvary";
// The keys the control's own registration writes under Software\Classes.
const char* const kControlKeys[] = {"AFlintor.Flintor", "CLSID\\", "Interface\\", "Typelib\\"};

std::string KnownFolder(int id) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, id, nullptr, 0, path);
    return path;
}
std::string DefaultFolder() {
    return KnownFolder(CSIDL_PROGRAM_FILES) + "\\" VELMORA_COMPANY_NAME "\\" VELMORA_PRODUCT_NAME;
}
std::string PackageFolder() {
    return DefaultFolder() + " Themes\\Harbour";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Same(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The names of a folder's files, sorted.
std::vector<std::string> FilesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> Text(HKEY root, const std::string& key, const std::string& name) {
    const auto value = probe::Read(root, key, name);
    if (!value || value->kind != REG_SZ) return std::nullopt;
    return value->bytes.substr(0, value->bytes.find('\0'));
}

std::vector<std::string> StoreTitles() {
    std::vector<std::string> titles;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStore.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return titles;
    char name[MAX_PATH];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        titles.push_back(name);
    RegCloseKey(key);
    std::sort(titles.begin(), titles.end());
    return titles;
}

bool ProgramInstalled() {
    return probe::Read(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName").has_value();
}
std::string InstalledFolder() {
    return Text(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation").value_or("");
}

int InstallSilently(const std::string& setup, const std::string& options = "") {
    return RunAndWait("\"" + setup + "\" /S" + options);
}

// As Add/Remove Programs does it, with the quiet command the setup registered.
bool UninstallProgramSilently() {
    const auto quiet = Text(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
    if (!quiet) return false;
    RunAndWait(*quiet);
    return WaitForUninstallers() && !ProgramInstalled();
}

void EnsureProgramInstalled() {
    if (!ProgramInstalled()) {
        ASSERT_EQ(InstallSilently(VELMORA_SETUP), 0);
    }
}

// As the program's Uninstall button does it: the entry's command and " /SILENT", started
// hidden, not waited for.
bool UninstallPackageAsTheProgramDoes() {
    const auto command = Text(HKEY_LOCAL_MACHINE, kStore + "\\" + kPackageTitle, "UninstallFile");
    return command && win32::Win32Shell().StartHidden(*command + " /SILENT");
}

bool PackageGone() {
    return !Exists(PackageFolder()) &&
           !probe::Read(HKEY_LOCAL_MACHINE, kStore + "\\" + kPackageTitle, "").has_value();
}

void WriteLines(const std::string& name, const std::vector<std::string>& lines) {
    std::ofstream out(VELMORA_RESULTS_DIR "\\" + name);
    for (const std::string& line : lines) out << line << "\n";
}

// Leaves out what Windows and Wine change on their own while programs run: Wine's own settings,
// and the copy of itself an uninstaller runs from, in the temp folder, which Windows deletes
// at its next start.
std::vector<std::string> OnlyOurs(const std::vector<std::string>& lines) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string ignored[] = {"HKLM\\Software\\Wine\\", "HKCU\\Software\\Wine\\",
                                   std::string(temp) + "~nsu"};
    std::vector<std::string> ours;
    for (const std::string& line : lines) {
        if (std::none_of(std::begin(ignored), std::end(ignored), [&](const std::string& prefix) {
                return line.compare(0, prefix.size(), prefix) == 0;
            }))
            ours.push_back(line);
    }
    return ours;
}

// The machine as the fresh prefix had it, before anything of ours was installed.
const SystemSnapshot& Pristine() {
    static const SystemSnapshot pristine = SystemSnapshot::Take();
    return pristine;
}

class SetupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Pristine();
        installExit = InstallSilently(VELMORA_SETUP);
        const SystemSnapshot after = SystemSnapshot::Take();
        writes = OnlyOurs(after.Minus(Pristine()));
        takes = OnlyOurs(Pristine().Minus(after));
        WriteLines("setup-writes.txt", writes);  // kept beside the tests for a reader
    }
    void SetUp() override {
        ASSERT_EQ(installExit, 0) << "the silent setup failed";
        ASSERT_TRUE(Same(InstalledFolder(), DefaultFolder())) << InstalledFolder();
    }

    static inline int installExit = -1;
    static inline std::vector<std::string> writes, takes;
};

TEST_F(SetupTest, PutsTheProgramTheControlAndEverySampleFileInTheMakersFolder) {
    const std::string folder = DefaultFolder();
    EXPECT_EQ(FilesOf(folder),
              (std::vector<std::string>{"Flintor.ocx", "Velmora.exe", "uninstall.exe"}));
    for (const std::string& sample : kSamples) {
        const auto shipped = FilesOf(VELMORA_SOURCE_DIR "\\themes\\" + sample);
        ASSERT_FALSE(shipped.empty()) << sample;
        EXPECT_EQ(FilesOf(folder + "\\Themes\\" + sample), shipped) << sample;
    }

    win32::ComApartment apartment;
    win32::ComPtr<IShellLinkA> link;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(link.Put()))));
    win32::ComPtr<IPersistFile> file;
    ASSERT_TRUE(
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put()))));
    const std::string path = KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\" + kProduct + ".lnk";
    const std::wstring shortcut(path.begin(), path.end());
    ASSERT_TRUE(SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ))) << path;
    char target[MAX_PATH] = {};
    link->GetPath(target, MAX_PATH, nullptr, 0);
    EXPECT_TRUE(Same(target, folder + "\\Velmora.exe")) << target;
}

// Every registry value the setup writes, but for the control's own registration (Flintor's
// tests): the file type, the samples in the store (without an uninstaller, the mark unset), the
// Add/Remove Programs entry; and it changes nothing that was there (bitmaps keep their program).
TEST_F(SetupTest, WritesTheFileTypeTheSamplesAndAnAddRemoveProgramsEntryAndChangesNothingElse) {
    const std::string folder = DefaultFolder(), program = folder + "\\Velmora.exe";
    const std::string classes = "HKLM\\Software\\Classes\\",
                      entry = "HKLM\\" + kUninstallKey + " : \"";
    std::vector<std::string> expected = {
        classes + ".vlr : \"\" = REG_SZ Velmora.Theme",
        classes + "Velmora.Theme : \"\" = REG_SZ " + kProduct + " Theme",
        classes + "Velmora.Theme\\DefaultIcon : \"\" = REG_SZ " + program + ",-2",
        classes + "Velmora.Theme\\shell : \"\" = REG_SZ open",
        classes + "Velmora.Theme\\shell\\open\\command : \"\" = REG_SZ \"" + program + "\" \"%1\"",
        entry + "DisplayIcon\" = REG_SZ " + program + ",0",
        entry + "DisplayName\" = REG_SZ " + kProduct,
        entry + "DisplayVersion\" = REG_SZ " VELMORA_VERSION_TEXT,
        entry + "InstallLocation\" = REG_SZ " + folder,
        entry + "NoModify\" = REG_DWORD 1",
        entry + "NoRepair\" = REG_DWORD 1",
        entry + "Publisher\" = REG_SZ " VELMORA_COMPANY_NAME,
        entry + "QuietUninstallString\" = REG_SZ \"" + folder + "\\uninstall.exe\" /S",
        entry + "UninstallString\" = REG_SZ \"" + folder + "\\uninstall.exe\"",
    };
    for (const std::string& sample : kSamples)
        expected.push_back("HKLM\\" + kStore + "\\" + sample + " : \"\" = REG_SZ " + folder +
                           "\\Themes\\" + sample + "\\" + sample + ".vlr");
    std::vector<std::string> values;
    const std::string server = "\\InprocServer32 : \"\" = REG_SZ " + folder + "\\Flintor.ocx";
    const std::string sizeLine = entry + "EstimatedSize\" = REG_DWORD ";
    bool controlFromFolder = false;
    double sizeKb = -1;
    for (const std::string& line : writes) {
        if (line.rfind(sizeLine, 0) == 0) sizeKb = std::stod(line.substr(sizeLine.size()));
        if (line.find(" : ") == std::string::npos || line.rfind(sizeLine, 0) == 0) continue;
        if (std::any_of(std::begin(kControlKeys), std::end(kControlKeys),
                        [&](const char* key) { return line.rfind(classes + key, 0) == 0; })) {
            controlFromFolder |= line.size() > server.size() &&
                                 Same(line.substr(line.size() - server.size()), server);
            continue;
        }
        values.push_back(line);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(values, expected);
    EXPECT_TRUE(controlFromFolder) << "the control is not registered from the installed file";
    EXPECT_EQ(takes, std::vector<std::string>{});

    // The icon the file type names is one the program carries.
    HICON icon = nullptr;
    EXPECT_EQ(ExtractIconExA(program.c_str(), -2, &icon, nullptr, 1), 1u);
    if (icon) DestroyIcon(icon);
    // The size, in KB, is what the setup put in the folder (the program, the control, the samples).
    DWORD bytes = 0;
    for (const std::string& path : writes) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (Same(path.substr(0, folder.size()), folder) &&
            GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
            bytes += data.nFileSizeLow;
    }
    EXPECT_NEAR(sizeKb, bytes / 1024.0, 8.0);
}

TEST(SetupProgramTest, CarriesTheProductsVersionInformation) {
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(VELMORA_SETUP, &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(VELMORA_SETUP, 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwProductVersionMS,
              static_cast<DWORD>(MAKELONG(VELMORA_VERSION_MINOR, VELMORA_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwProductVersionLS, static_cast<DWORD>(MAKELONG(VELMORA_VERSION_REVISION, 0)));
    for (const auto& [name, value] :
         {std::pair<const char*, const char*>{"ProductName", VELMORA_PRODUCT_NAME},
          {"CompanyName", VELMORA_COMPANY_NAME},
          {"ProductVersion", VELMORA_VERSION_TEXT}}) {
        char* text = nullptr;
        ASSERT_TRUE(VerQueryValueA(info.data(),
                                   (std::string("\\StringFileInfo\\040904b0\\") + name).c_str(),
                                   reinterpret_cast<void**>(&text), &size))
            << name;
        EXPECT_STREQ(text, value) << name;
    }
}

// The question's wording is FileActionsE2eTest's; here, that the shell starts the installed
// program with the file.
TEST_F(SetupTest, OpeningAThemeFileThroughTheShellAsksToApplyItWithTheInstalledProgram) {
    const std::string theme = DefaultFolder() + "\\Themes\\Ocean\\Ocean.vlr";
    ASSERT_EQ(RunAndWait("cmd /c start \"\" \"" + theme + "\""), 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (box = FindWindowA("#32770", kProduct.c_str())) != nullptr;
    })) << "no box titled "
        << kProduct << " showed";
    DWORD processId = 0;
    GetWindowThreadProcessId(box, &processId);
    EXPECT_TRUE(Same(ProcessImage(processId), DefaultFolder() + "\\Velmora.exe"));

    e2e::VelmoraProcess velmora(processId);
    const e2e::SeenBox question = velmora.WaitForBox();
    EXPECT_EQ(question.text.rfind("Apply the Theme - Ocean\r\nAuthor - ", 0), 0u) << question.text;
    ASSERT_TRUE(velmora.Press(question, IDNO));
    EXPECT_TRUE(velmora.WaitForExit());
}

class ThemePackageTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureProgramInstalled(); }
};

TEST_F(ThemePackageTest, InstallsSilentlyAndItsUninstallerRemovesItSilently) {
    ASSERT_EQ(InstallSilently(VELMORA_THEME_PACKAGE), 0);
    const std::string folder = PackageFolder();
    std::vector<std::string> expected = FilesOf(VELMORA_PACKAGE_THEME);
    expected.push_back("uninstall.exe");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesOf(folder), expected);
    const std::string entry = kStore + "\\" + kPackageTitle;
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, entry, ""), folder + "\\Harbour.vlr");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, entry, "UninstallFile"), folder + "\\uninstall.exe");

    // The program's Uninstall button (MainWindowE2eTest) runs the entry's command silently.
    ASSERT_TRUE(UninstallPackageAsTheProgramDoes());
    // An uninstaller that shows its pages instead waits for a click forever.
    EXPECT_TRUE(WaitForUninstallers()) << "the package's uninstaller did not run silently";
    EXPECT_TRUE(PackageGone()) << "the package's files or entry are still there";
    EXPECT_FALSE(Exists(folder.substr(0, folder.rfind('\\'))));  // its "Kelvary Themes" too
    EXPECT_EQ(StoreTitles(), kSamples);
}

// The themes a user has besides the samples: a theme package, a theme of their own, their
// own copy of a sample under its title, and the mark of the theme they applied last.
void GiveTheUserThemesOfTheirOwn() {
    if (!Exists(PackageFolder())) {
        ASSERT_EQ(InstallSilently(VELMORA_THEME_PACKAGE), 0);
    }
    probe::Write(HKEY_LOCAL_MACHINE, kStore + "\\My Theme", "", probe::Text("C:\\Mine\\Mine.vlr"));
    probe::Write(HKEY_LOCAL_MACHINE, kStore + "\\Blue", "", probe::Text("C:\\Mine\\Blue.vlr"));
    probe::Write(HKEY_CURRENT_USER, kMark, "", probe::Text("Aqua"));
}

// Every store entry: title, theme file, uninstaller.
std::vector<std::string> StoreState() {
    std::vector<std::string> state;
    for (const std::string& title : StoreTitles()) {
        const std::string entry = kStore + "\\" + title;
        state.push_back(title + " | " + Text(HKEY_LOCAL_MACHINE, entry, "").value_or("-") + " | " +
                        Text(HKEY_LOCAL_MACHINE, entry, "UninstallFile").value_or("-"));
    }
    return state;
}

TEST(UpgradeTest, InstallingOverAnOlderBuildKeepsTheStoreAndTheMarkAndStaysWhereItWas) {
    if (ProgramInstalled()) {
        ASSERT_TRUE(UninstallProgramSilently());
    }
    ASSERT_EQ(InstallSilently(VELMORA_OLDER_SETUP, " /D=" + kUpgradeFolder), 0);
    ASSERT_EQ(Text(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), VELMORA_OLDER_VERSION);
    ASSERT_TRUE(Same(InstalledFolder(), kUpgradeFolder));
    GiveTheUserThemesOfTheirOwn();
    const std::vector<std::string> store = StoreState();

    ASSERT_EQ(InstallSilently(VELMORA_SETUP), 0);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), VELMORA_VERSION_TEXT);
    EXPECT_TRUE(Same(InstalledFolder(), kUpgradeFolder));
    EXPECT_TRUE(Exists(kUpgradeFolder + "\\Velmora.exe"));
    EXPECT_FALSE(Exists(DefaultFolder()));
    EXPECT_EQ(StoreState(), store);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kMark, ""), "Aqua");
}

TEST(UninstallTest, LeavesThemesOfOtherPackagesAndTheUsersOwnAlone) {
    EnsureProgramInstalled();
    GiveTheUserThemesOfTheirOwn();
    const std::string folder = InstalledFolder();
    ASSERT_TRUE(UninstallProgramSilently());

    EXPECT_FALSE(Exists(folder));
    EXPECT_EQ(StoreState(), (std::vector<std::string>{
                                "Blue | C:\\Mine\\Blue.vlr | -",
                                kPackageTitle + " | " + PackageFolder() + "\\Harbour.vlr | " +
                                    PackageFolder() + "\\uninstall.exe",
                                "My Theme | C:\\Mine\\Mine.vlr | -",
                            }));
    EXPECT_TRUE(Exists(PackageFolder() + "\\Harbour.vlr"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kMark, ""), "Aqua");  // it still names a theme

    // Back to the fresh machine for the next test: the package goes its own way, the rest is
    // the user's to delete.
    ASSERT_TRUE(UninstallPackageAsTheProgramDoes());
    EXPECT_TRUE(WaitForUninstallers());
    EXPECT_TRUE(PackageGone());
    probe::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Tolvane");
    probe::DeleteTree(HKEY_CURRENT_USER, "Software\\Tolvane");
    RemoveDirectoryA(kUpgradeFolder.c_str());
    RemoveDirectoryA(kUpgradeFolder.substr(0, kUpgradeFolder.rfind('\\')).c_str());
}

TEST(UninstallTest, LeavesNothingOfOursAndTakesNothingElse) {
    EnsureProgramInstalled();
    probe::Write(HKEY_CURRENT_USER, kMark, "", probe::Text("Ocean"));  // the user applied it
    ASSERT_TRUE(UninstallProgramSilently());

    const SystemSnapshot after = SystemSnapshot::Take();
    const std::vector<std::string> left = OnlyOurs(after.Minus(Pristine()));
    const std::vector<std::string> taken = OnlyOurs(Pristine().Minus(after));
    WriteLines("uninstall-leaves.txt", left);
    WriteLines("uninstall-takes.txt", taken);
    EXPECT_EQ(left, std::vector<std::string>{});
    EXPECT_EQ(taken, std::vector<std::string>{});
}

}  // namespace
}  // namespace velmora::setup
