// Files for a test to run on: the in-memory model, or a real scratch folder under Wine.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"

namespace velmora::test {

// Owns an empty folder for the test, and everything the test made in it.
class FileBackend {
public:
    virtual ~FileBackend() = default;
    virtual FileSystem& Files() = 0;
    // The folder's full path, without a trailing backslash.
    virtual std::string Folder() const = 0;
    // Makes a file in the folder with the given attributes (MemoryFileSystem's bits, which are
    // Windows' own); returns its full path.
    virtual std::string MakeFile(const std::string& name, const std::string& bytes,
                                 unsigned attributes = MemoryFileSystem::kArchive) = 0;
    virtual std::string MakeFolder(const std::string& name) = 0;
    // Another handle opens the file, sharing only reading, and keeps it open while the backend
    // lives.
    virtual void HoldOpen(const std::string& path) = 0;
};

// How a parameterised file suite makes a fresh backend for each test.
struct FileBackendParam {
    std::string name;
    std::function<std::unique_ptr<FileBackend>()> make;
};

inline void PrintTo(const FileBackendParam& param, std::ostream* out) { *out << param.name; }

class MemoryFileBackend : public FileBackend {
public:
    MemoryFileBackend() { files_.AddFolder(Folder()); }
    FileSystem& Files() override { return files_; }
    std::string Folder() const override { return "C:\\Themes"; }
    std::string MakeFile(const std::string& name, const std::string& bytes,
                         unsigned attributes) override {
        files_.AddFile(Folder() + "\\" + name, bytes, attributes);
        return Folder() + "\\" + name;
    }
    std::string MakeFolder(const std::string& name) override {
        files_.AddFolder(Folder() + "\\" + name);
        return Folder() + "\\" + name;
    }
    void HoldOpen(const std::string& path) override { files_.HoldOpen(path); }

private:
    MemoryFileSystem files_;
};

inline FileBackendParam MemoryFiles() {
    return {"Memory", [] { return std::make_unique<MemoryFileBackend>(); }};
}

}  // namespace velmora::test
