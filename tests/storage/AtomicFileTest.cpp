#include "storage/AtomicFile.h"
#include "storage/DataFile.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessary {
namespace {

// Lets the real operations run until the chosen one fails.
struct FailingOps : FileOps {
    enum class Step { create, write, sync, close, rename } failAt = Step::create;
    std::size_t bytesBeforeFailure = 0, written = 0;

    int createNew(const std::filesystem::path& p) override {
        return failAt == Step::create ? -1 : FileOps::createNew(p);
    }
    std::ptrdiff_t write(int h, const char* data, std::size_t size) override {
        if (failAt == Step::write && written + size > bytesBeforeFailure) {
            if (written >= bytesBeforeFailure)
                return -1;
            size = bytesBeforeFailure - written;
        }
        const auto n = FileOps::write(h, data, size);
        written += n > 0 ? std::size_t(n) : 0;
        return n;
    }
    bool sync(int h) override { return failAt != Step::sync && FileOps::sync(h); }
    bool close(int h) override { return FileOps::close(h) && failAt != Step::close; }
    bool rename(const std::filesystem::path& a, const std::filesystem::path& b) override {
        return failAt != Step::rename && FileOps::rename(a, b);
    }
};

TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoLeftovers) {
    using Step = FailingOps::Step;
    const std::string replacement(200 * 1024, 'x'); // several writes
    std::vector<std::pair<Step, std::size_t>> cases = {
        {Step::create, 0}, {Step::sync, 0}, {Step::close, 0}, {Step::rename, 0}};
    for (std::size_t n : {0, 1, 65536, 100000, 200 * 1024 - 1})
        cases.push_back({Step::write, n});
    for (const auto& [step, bytes] : cases) {
        SCOPED_TRACE(::testing::Message() << "step " << int(step) << " after " << bytes);
        TempFolder dir;
        const auto file = dir.path / "game.sav";
        ASSERT_TRUE(writeFileAtomically(file, "old\r\n"));
        FailingOps ops;
        ops.failAt = step;
        ops.bytesBeforeFailure = bytes;
        EXPECT_FALSE(writeFileAtomically(file, replacement, ops));
        EXPECT_EQ(readDataFile(file), "old\r\n");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"game.sav"});
        ASSERT_TRUE(writeFileAtomically(file, replacement)); // and without faults it works
        EXPECT_EQ(readDataFile(file), replacement);
    }
}

TEST(AtomicFile, KeepsPermissionsWritesThroughLinksAndReportsAMissingFolder) {
    TempFolder dir;
    const auto file = dir.path / "Tessary.ini";
    ASSERT_TRUE(writeFileAtomically(file, "a"));
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    std::filesystem::create_symlink(file, dir.path / "link.ini");
    ASSERT_TRUE(writeFileAtomically(dir.path / "link.ini", "b"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path / "link.ini"));
    EXPECT_EQ(readDataFile(file), "b");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(writeFileAtomically(dir.path / "missing" / "Tessary.ini", "c"));
}

TEST(DataFile, ReadsOnlyPlainFilesAndFindsNamesInAnyCase) {
    TempFolder dir;
    EXPECT_FALSE(readDataFile(dir.path / "none"));
    EXPECT_FALSE(readDataFile(dir.path)); // a folder
    dir.write("TESS.HOF", "1");
    EXPECT_EQ(findIgnoringCase(dir.path, "tess.hof"), dir.path / "TESS.HOF");
    dir.write("tess.hof", "2");
    EXPECT_EQ(findIgnoringCase(dir.path, "tess.hof"), dir.path / "tess.hof");
}

} // namespace
} // namespace tessary
