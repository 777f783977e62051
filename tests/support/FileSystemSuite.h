// What the program relies on of the file port, on the in-memory files (the unit tests) and on
// kernel32 in a scratch folder (the Wine tests), so that the model cannot drift from the real
// thing: which files count as normal, whole-file reads and writes, a file replaced in one step,
// and the changes that fail. Instantiate it in one file of a test program:
//     INSTANTIATE_TEST_SUITE_P(Memory, FileSystemSuite, ::testing::Values(&MemoryFiles));
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "tests/support/MemoryFileSystem.h"

namespace velmora::test {

// An empty folder for one test, and the file port on it.
class FileBackend {
public:
    virtual ~FileBackend() = default;
    virtual FileSystem& Files() = 0;
    virtual std::string Folder() const = 0;  // its full path, without a trailing backslash
    // Makes a file in the folder with MemoryFileSystem's attribute bits (Windows' own), or a
    // folder for kFolder; returns its full path.
    virtual std::string Make(const std::string& name, const std::string& bytes,
                             unsigned attributes) = 0;
    // Another handle opens the file, sharing only reading, while the backend lives.
    virtual void HoldOpen(const std::string& path) = 0;
};

using M = MemoryFileSystem;
class MemoryFileBackend : public FileBackend {
public:
    MemoryFileBackend() { files_.AddFolder(Folder()); }
    FileSystem& Files() override { return files_; }
    std::string Folder() const override { return "C:\\Themes"; }
    std::string Make(const std::string& name, const std::string& bytes,
                     unsigned attributes) override {
        const std::string path = Folder() + "\\" + name;
        attributes == M::kFolder ? files_.AddFolder(path) : files_.AddFile(path, bytes, attributes);
        return path;
    }
    void HoldOpen(const std::string& path) override { files_.HoldOpen(path); }

private:
    MemoryFileSystem files_;
};

using MakeFiles = std::unique_ptr<FileBackend> (*)();
inline std::unique_ptr<FileBackend> MemoryFiles() {
    return std::make_unique<MemoryFileBackend>();
}

class FileSystemSuite : public ::testing::TestWithParam<MakeFiles> {
protected:
    void SetUp() override { backend_ = GetParam()(); }
    std::string Make(const std::string& name, const std::string& bytes = "kept",
                     unsigned attributes = M::kArchive) {
        return backend_->Make(name, bytes, attributes);
    }
    std::string In(const std::string& name) const { return backend_->Folder() + "\\" + name; }

    std::unique_ptr<FileBackend> backend_;
    // Line ends of both kinds, a zero and bytes above 127 are kept as they are.
    const std::string binary{"[Velmora]\r\nTitle=\xE9t\xE9\n\0\xFF", 23};
};

TEST_P(FileSystemSuite, OnlyFilesThatAreNeitherHiddenNorSystemAreNormalAndReadWhole) {
    FileSystem& files = backend_->Files();
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
    FileSystem& files = backend_->Files();
    ASSERT_TRUE(files.WriteFile(In("new.vlr"), binary));
    EXPECT_EQ(files.ReadFile(In("new.vlr")), binary);
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
    const std::string folder = Make("folder.vlr", "", M::kFolder);
    backend_->HoldOpen(held);
    backend_->HoldOpen(heldNew);
    FileSystem& files = backend_->Files();
    const struct {
        const char* what;
        std::function<FileOutcome()> change;
    } rows[] = {
        {"write read-only", [&] { return files.WriteFile(readOnly, "new"); }},
        {"write held", [&] { return files.WriteFile(held, "new"); }},
        {"write folder", [&] { return files.WriteFile(folder, "new"); }},
        {"write in no folder", [&] { return files.WriteFile(In("missing\\new.vlr"), "new"); }},
        {"move over read-only", [&] { return files.MoveOver(spare, readOnly); }},
        {"move over held", [&] { return files.MoveOver(spare, held); }},
        {"move held", [&] { return files.MoveOver(heldNew, In("fresh.vlr")); }},
        {"move missing", [&] { return files.MoveOver(In("missing.new"), In("fresh.vlr")); }},
        {"remove read-only", [&] { return files.RemoveFile(readOnly); }},
        {"remove held", [&] { return files.RemoveFile(held); }},
        {"remove folder", [&] { return files.RemoveFile(folder); }},
        {"remove missing", [&] { return files.RemoveFile(In("missing.vlr")); }},
    };
    for (const auto& row : rows) {
        const FileOutcome outcome = row.change();
        EXPECT_FALSE(outcome) << row.what;
        EXPECT_FALSE(outcome.reason.empty()) << row.what;
    }
    for (const std::string& path : {readOnly, held}) EXPECT_EQ(files.ReadFile(path), "kept");
    for (const std::string& path : {spare, heldNew}) EXPECT_EQ(files.ReadFile(path), "new");
    EXPECT_FALSE(files.IsNormalFile(In("fresh.vlr")));
}

}  // namespace velmora::test
