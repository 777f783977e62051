// What a setup can leave behind, as lines of text to compare: every registry key and value of
// the machine's and the user's software settings, and every file and folder of drive C:.
#include "tests/installer/SystemSnapshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace velmora::setup {

namespace {

std::string ValueText(DWORD kind, const std::vector<BYTE>& data) {
    if (kind == REG_SZ || kind == REG_EXPAND_SZ) {
        std::string text(data.begin(), data.end());
        text.resize(std::min(text.size(), text.find('\0')));
        return (kind == REG_SZ ? "REG_SZ " : "REG_EXPAND_SZ ") + text;
    }
    if (kind == REG_DWORD && data.size() == 4) {
        DWORD number = 0;
        std::copy(data.begin(), data.end(), reinterpret_cast<BYTE*>(&number));
        return "REG_DWORD " + std::to_string(number);
    }
    std::string text = "kind " + std::to_string(kind);
    char hex[4];
    for (BYTE b : data) {
        std::snprintf(hex, sizeof hex, " %02x", b);
        text += hex;
    }
    return text;
}

void AddKey(HKEY parent, const std::string& name, const std::string& path,
            std::set<std::string>& lines) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    lines.insert(path);
    DWORD subkeys = 0, values = 0, longestName = 0, longestData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                     &longestName, &longestData, nullptr, nullptr);
    std::vector<char> valueName(longestName + 2);
    std::vector<BYTE> data(longestData + 2);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameSize = static_cast<DWORD>(valueName.size()),
              dataSize = static_cast<DWORD>(data.size());
        DWORD kind = 0;
        if (RegEnumValueA(key, i, valueName.data(), &nameSize, nullptr, &kind, data.data(),
                          &dataSize) != ERROR_SUCCESS)
            continue;
        lines.insert(path + " : \"" + std::string(valueName.data(), nameSize) + "\" = " +
                     ValueText(kind, std::vector<BYTE>(data.begin(), data.begin() + dataSize)));
    }
    char child[MAX_PATH];
    std::vector<std::string> children;
    for (DWORD i = 0; RegEnumKeyA(key, i, child, sizeof child) == ERROR_SUCCESS; ++i)
        children.push_back(child);
    for (const std::string& c : children) AddKey(key, c, path + "\\" + c, lines);
    RegCloseKey(key);
}

void AddFolder(const std::string& folder, std::set<std::string>& lines) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            lines.insert(path + "\\");
            // Wine's drive letters and its link back to the Unix root lead out of the drive.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) AddFolder(path, lines);
        } else {
            lines.insert(path);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

SystemSnapshot SystemSnapshot::Take() {
    SystemSnapshot snapshot;
    AddKey(HKEY_LOCAL_MACHINE, "Software", "HKLM\\Software", snapshot.lines_);
    AddKey(HKEY_CURRENT_USER, "Software", "HKCU\\Software", snapshot.lines_);
    AddFolder("C:", snapshot.lines_);
    return snapshot;
}

std::vector<std::string> SystemSnapshot::Minus(const SystemSnapshot& other) const {
    std::vector<std::string> difference;
    std::set_difference(lines_.begin(), lines_.end(), other.lines_.begin(), other.lines_.end(),
                        std::back_inserter(difference));
    return difference;
}

}  // namespace velmora::setup
