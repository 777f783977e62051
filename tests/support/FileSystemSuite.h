// What the program relies on of the file port, on any backend: the in-memory files, and
// kernel32 under Wine, so the model cannot drift from the real thing (which files count as
// normal, whole-file reads and writes, and which writes, moves and removals fail).
// Include in exactly one file of a test program and instantiate it:
//     INSTANTIATE_TEST_SUITE_P(Memory, FileSystemSuite, ::testing::Values(MemoryFiles()));
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/FileBackend.h"

namespace velmora::test {

class FileSystemSuite : public ::testing::TestWithParam<FileBackendParam> {
protected:
    using M = MemoryFileSystem;

    void SetUp() override { backend_ = GetParam().make(); }

    FileSystem& Files() { return backend_->Files(); }
    FileBackend& Backend() { return *backend_; }
    std::string In(const std::string& name) const { return backend_->Folder() + "\\" + name; }
    // Every byte value, line ends of both kinds among them.
    static std::string AllBytes() {
        std::string bytes = "[Velmora]\r\nThemeTitle=\xE9t\xE9\r\n\n";
        for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
        return bytes;
    }

private:
    std::unique_ptr<FileBackend> backend_;
};

TEST_P(FileSystemSuite, OnlyFilesThatAreNeitherHiddenNorSystemAreNormal) {
    const struct {
        const char* name;
        unsigned attributes;
        bool normal;
    } cases[] = {{"ro.vlr", M::kReadOnly, true},
                 {"arch.vlr", M::kArchive, true},
                 {"hidden.vlr", M::kHidden, false},
                 {"system.vlr", M::kSystem, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Files().IsNormalFile(Backend().MakeFile(c.name, "x", c.attributes)), c.normal)
            << c.name;
    }
    EXPECT_TRUE(Files().IsNormalFile(In("ARCH.VLR")));
    EXPECT_FALSE(Files().IsNormalFile(Backend().MakeFolder("folder.vlr")));
    for (const char* name : {"missing.vlr", "*.vlr", "arc?.vlr", "arch.vlr\\"}) {
        EXPECT_FALSE(Files().IsNormalFile(In(name))) << name;
    }
    EXPECT_FALSE(Files().IsNormalFile(""));
}

TEST_P(FileSystemSuite, ReadsEveryByteOfAFileAndNothingFromAFolder) {
    EXPECT_EQ(Files().ReadFile(Backend().MakeFile("bytes.vlr", AllBytes())), AllBytes());
    EXPECT_EQ(Files().ReadFile(Backend().MakeFile("empty.vlr", "")), std::string());
    EXPECT_EQ(Files().ReadFile(Backend().MakeFile("hidden.vlr", "h", M::kHidden)), "h");
    EXPECT_EQ(Files().ReadFile(In("missing.vlr")), std::nullopt);
    EXPECT_EQ(Files().ReadFile(Backend().MakeFolder("folder")), std::nullopt);
}

TEST_P(FileSystemSuite, WriteFileMakesOrEmptiesAFileAndLeavesWhatItCannotWrite) {
    ASSERT_TRUE(Files().WriteFile(In("new.vlr"), AllBytes()));
    EXPECT_EQ(Files().ReadFile(In("new.vlr")), AllBytes());
    const std::string old = Backend().MakeFile("old.vlr", "a much longer old text");
    ASSERT_TRUE(Files().WriteFile(old, "short"));
    EXPECT_EQ(Files().ReadFile(old), "short");
    ASSERT_TRUE(Files().WriteFile(old, ""));
    EXPECT_EQ(Files().ReadFile(old), "");

    const std::string readOnly = Backend().MakeFile("ro.vlr", "kept", M::kReadOnly);
    const std::string held = Backend().MakeFile("held.vlr", "kept");
    Backend().HoldOpen(held);
    for (const std::string& path : {readOnly, held, Backend().MakeFolder("folder.vlr"),
                                    In("missing\\new.vlr")}) {
        const FileOutcome outcome = Files().WriteFile(path, "new");
        EXPECT_FALSE(outcome) << path;
        EXPECT_FALSE(outcome.reason.empty()) << path;
    }
    EXPECT_EQ(Files().ReadFile(readOnly), "kept");
    EXPECT_EQ(Files().ReadFile(held), "kept");
    EXPECT_FALSE(Files().IsNormalFile(In("missing\\new.vlr")));
}

TEST_P(FileSystemSuite, MoveOverReplacesTheTargetOrChangesNeither) {
    const std::string target = Backend().MakeFile("blue.vlr", "old");
    ASSERT_TRUE(Files().MoveOver(Backend().MakeFile("blue.new", AllBytes()), target));
    EXPECT_EQ(Files().ReadFile(target), AllBytes());
    EXPECT_FALSE(Files().IsNormalFile(In("blue.new")));
    ASSERT_TRUE(Files().MoveOver(Backend().MakeFile("a.new", "a"), In("fresh.vlr")));
    EXPECT_EQ(Files().ReadFile(In("fresh.vlr")), "a");

    EXPECT_FALSE(Files().MoveOver(In("missing.new"), target));
    const std::string readOnly = Backend().MakeFile("ro.vlr", "kept", M::kReadOnly);
    const std::string heldTarget = Backend().MakeFile("held.vlr", "kept");
    Backend().HoldOpen(heldTarget);
    for (const std::string& to : {readOnly, heldTarget}) {
        const std::string from = Backend().MakeFile("x.new", "new");
        const FileOutcome outcome = Files().MoveOver(from, to);
        EXPECT_FALSE(outcome) << to;
        EXPECT_FALSE(outcome.reason.empty()) << to;
        EXPECT_EQ(Files().ReadFile(to), "kept") << to;
        EXPECT_EQ(Files().ReadFile(from), "new") << to;
    }
    const std::string heldSource = Backend().MakeFile("held.new", "new");
    Backend().HoldOpen(heldSource);
    EXPECT_FALSE(Files().MoveOver(heldSource, target));
    EXPECT_EQ(Files().ReadFile(target), AllBytes());
}

TEST_P(FileSystemSuite, RemoveFileRemovesOnlyAFileThatIsFree) {
    const std::string file = Backend().MakeFile("gone.vlr", "x");
    ASSERT_TRUE(Files().RemoveFile(file));
    EXPECT_EQ(Files().ReadFile(file), std::nullopt);
    EXPECT_FALSE(Files().RemoveFile(file));

    const std::string readOnly = Backend().MakeFile("ro.vlr", "kept", M::kReadOnly);
    const std::string held = Backend().MakeFile("held.vlr", "kept");
    Backend().HoldOpen(held);
    for (const std::string& path : {readOnly, held}) {
        EXPECT_FALSE(Files().RemoveFile(path)) << path;
        EXPECT_EQ(Files().ReadFile(path), "kept") << path;
    }
    EXPECT_FALSE(Files().RemoveFile(Backend().MakeFolder("folder")));
}

}  // namespace velmora::test
