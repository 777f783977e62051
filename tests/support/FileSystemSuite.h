// What the program relies on of the file port, on the in-memory files (the unit tests) and on
// kernel32 in a scratch folder (the Wine tests), so that the model cannot drift from the real
// thing: which files count as normal, whole-file reads and writes, a file replaced in one step,
// and the changes that fail. Instantiate it in one file of a test program.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "tests/support/MemoryFileSystem.h"

namespace velmora::test {

// An empty folder for one test, and the file port on it.
struct FileBackend {
    virtual ~FileBackend() = default;
    // Makes a file in the folder with MemoryFileSystem's attribute bits (Windows' own), or a
    // folder for kFolder; returns its full path.
    virtual std::string Make(const std::string& name, const std::string& bytes,
                             unsigned attributes) = 0;
    // Another handle opens the file, sharing only reading, while the backend lives.
    virtual void HoldOpen(const std::string& path) = 0;

    FileSystem* files = nullptr;
    std::string folder;  // its full path
};

using M = MemoryFileSystem;
struct MemoryFileBackend : FileBackend {
    MemoryFileBackend() {
        files = &memory;
        memory.AddFolder(folder = "C:\\Themes");
    }
    std::string Make(const std::string& name, const std::string& bytes,
                     unsigned attributes) override {
        const std::string path = folder + "\\" + name;
        attributes == M::kFolder ? memory.AddFolder(path) : memory.AddFile(path, bytes, attributes);
        return path;
    }
    void HoldOpen(const std::string& path) override { memory.HoldOpen(path); }
    MemoryFileSystem memory;
};

using MakeFiles = std::unique_ptr<FileBackend> (*)();
inline std::unique_ptr<FileBackend> MemoryFiles() { return std::make_unique<MemoryFileBackend>(); }

class FileSystemSuite : public ::testing::TestWithParam<MakeFiles> {
protected:
    std::string Make(const std::string& name, const std::string& bytes = "kept",
                     unsigned attributes = M::kArchive) {
        return backend_->Make(name, bytes, attributes);
    }
    std::string In(const std::string& name) const { return backend_->folder + "\\" + name; }

    std::unique_ptr<FileBackend> backend_ = GetParam()();
    FileSystem& files = *backend_->files;
    // Line ends of both kinds, a zero and bytes above 127 are kept as they are.
    const std::string binary{"[Velmora]\r\nTitle=\xE9t\xE9\n\0\xFF", 23};
};

TEST_P(FileSystemSuite, OnlyFilesThatAreNeitherHiddenNorSystemAreNormalAndReadWhole) {
    const struct {
        std::string path;
        bool normal;
        std::optional<std::string> read;
    } rows[] = {
        {Make("bytes.vlr", binary), true, binary},
        {Make("ro.vlr", "r", M::kReadOnly), true, "r"},
        {Make("hidden.vlr", "h", M::kHidden), false, "h"},
        {Make("system.vlr", "s", M::kSystem), false, "s"},
        {Make("folder.vlr", "", M::kFolder), false, std::nullopt},
        {In("BYTES.VLR"), true, binary},
        {In("missing.vlr"), false, std::nullopt},
        {In("*.vlr"), false, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(files.IsNormalFile(row.path), row.normal) << row.path;
        EXPECT_EQ(files.ReadFile(row.path), row.read) << row.path;
    }
}

TEST_P(FileSystemSuite, WritesMoveOverAndRemoveChangeWholeFiles) {
    ASSERT_TRUE(files.WriteFile(In("new.vlr"), binary));
    const std::string old = Make("old.vlr", "a much longer old text");
    ASSERT_TRUE(files.WriteFile(old, "short"));
    EXPECT_EQ(files.ReadFile(old), "short");
    ASSERT_TRUE(files.MoveOver(In("new.vlr"), old));
    EXPECT_EQ(files.ReadFile(old), binary);
    EXPECT_FALSE(files.IsNormalFile(In("new.vlr")));
    ASSERT_TRUE(files.MoveOver(old, In("fresh.vlr")));
    EXPECT_EQ(files.ReadFile(In("fresh.vlr")), binary);
    ASSERT_TRUE(files.RemoveFile(In("fresh.vlr")));
    EXPECT_FALSE(files.IsNormalFile(In("fresh.vlr")));
}

TEST_P(FileSystemSuite, RefusedChangesGiveAReasonAndChangeNothing) {
    const std::string readOnly = Make("ro.vlr", "kept", M::kReadOnly), held = Make("held.vlr");
    const std::string heldNew = Make("held.new", "new"), spare = Make("spare.new", "new");
    const std::string folder = Make("folder.vlr", "", M::kFolder), missing = In("missing.vlr");
    backend_->HoldOpen(held);
    backend_->HoldOpen(heldNew);
    const struct {
        char change;  // Write, Move over or Remove
        std::string path, target;
    } rows[] = {
        {'W', readOnly, ""}, {'W', held, ""}, {'W', folder, ""}, {'W', In("missing\\new.vlr"), ""},
        {'M', spare, readOnly}, {'M', spare, held}, {'M', heldNew, In("fresh.vlr")},
        {'M', missing, In("fresh.vlr")},
        {'R', readOnly, ""}, {'R', held, ""}, {'R', folder, ""}, {'R', missing, ""},
    };
    for (const auto& row : rows) {
        const FileOutcome outcome = row.change == 'W'   ? files.WriteFile(row.path, "new")
                                    : row.change == 'M' ? files.MoveOver(row.path, row.target)
                                                        : files.RemoveFile(row.path);
        EXPECT_FALSE(outcome) << row.change << row.path;
        EXPECT_FALSE(outcome.reason.empty()) << row.change << row.path;
    }
    for (const std::string& path : {readOnly, held}) EXPECT_EQ(files.ReadFile(path), "kept");
    for (const std::string& path : {spare, heldNew}) EXPECT_EQ(files.ReadFile(path), "new");
    EXPECT_FALSE(files.IsNormalFile(In("fresh.vlr")));
}

}  // namespace velmora::test
