#include "base/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    TempFolder dir;
    const std::string file = dir / "a.bin";
    WriteFileAtomically(file, std::string("first"));
    WriteFileAtomically(file, std::string("second"));
    const auto bytes = ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(Files, ANameThatFitsIsWrittenHoweverLongItIs)
{
    TempFolder dir;
    // 250 bytes: the name fits the usual 255, the name with a temporary suffix would not.
    const std::string name = std::string(119, 'a') + "\xc3\xbc" + std::string(125, 'b') + ".vkd";
    ASSERT_EQ(name.size(), 250u);
    const std::string file = dir / name;
    WriteFileAtomically(file, std::string("first"));
    WriteFileAtomically(file, std::string("second"));
    const auto bytes = ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(Files, EveryInjectedWriteFailureKeepsThePreviousFile)
{
    TempFolder dir;
    const std::string file = dir / "a.bin";
    WriteFileAtomically(file, std::string("old"));
    const std::vector<uint8_t> big(200 * 1024, 7); // several chunks
    for (int failAt = 1;; ++failAt) {
        int calls = 0;
        SetWriteFaultInjector([&] { return ++calls != failAt; });
        bool saved = true;
        try {
            WriteFileAtomically(file, big);
        } catch (const FileError &e) {
            saved = false;
            EXPECT_NE(std::string(e.what()).find("a.bin"), std::string::npos);
        }
        SetWriteFaultInjector({});
        EXPECT_EQ(dir.EntryCount(), 1u) << "temporary file left at k=" << failAt;
        if (saved) {
            EXPECT_EQ(ReadWholeFile(file), big);
            EXPECT_GT(failAt, 1);
            break;
        }
        const auto kept = ReadWholeFile(file);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "old");
    }
}

TEST(Files, MissingFileAndUnwritableFolderAreReportedWithTheName)
{
    EXPECT_THROW(ReadWholeFile("/nonexistent/x.vkd"), FileError);
    try {
        WriteFileAtomically("/nonexistent/x.vkd", std::string("x"));
        FAIL();
    } catch (const FileError &e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/x.vkd"), std::string::npos);
    }
}

} // namespace aw
