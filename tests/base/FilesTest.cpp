#include "base/Files.h"
#include "base/Utf8Path.h"
#include "base/platform/Platform.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

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
    const std::filesystem::path file = PathFromUtf8(dir / name);
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

TEST(Files, NamesOutsideAsciiReachTheSystemUnchanged)
{
    TempFolder dir;
    const std::filesystem::path folder = dir.Path() / u8"Entwürfe" / u8"Çelik ığdır";
    std::filesystem::create_directories(folder);
    const std::string file = dir / "Entwürfe/Çelik ığdır/ağır zırh.bin";
    WriteFileAtomically(PathFromUtf8(file), std::string("first"));
    WriteFileAtomically(PathFromUtf8(file), std::string("second"));
    ASSERT_TRUE(std::filesystem::is_regular_file(folder / u8"ağır zırh.bin")) << "written under another name";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    const auto bytes = ReadWholeFile(PathFromUtf8(file));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");
    RemoveFileIfExists(PathFromUtf8(file));
    EXPECT_FALSE(FileExists(folder / u8"ağır zırh.bin"));
}

// A file another handle holds open: POSIX replaces it and the handle keeps reading the old
// bytes. Windows refuses to replace a file open without shared deletion (as C and C++ streams
// open it): the save fails naming the file, and the file keeps its old bytes.
TEST(Files, ReplacingAFileHeldOpen)
{
    TempFolder dir;
    const std::string file = dir / "held.vkd";
    WriteFileAtomically(file, std::string("old"));
    std::ifstream held(PathFromUtf8(file), std::ios::binary);
    ASSERT_TRUE(held.is_open());
#ifdef _WIN32
    try {
        WriteFileAtomically(file, std::string("new"));
        ADD_FAILURE() << "a file held open was replaced";
    } catch (const FileError &e) {
        EXPECT_NE(std::string(e.what()).find("held.vkd"), std::string::npos) << e.what();
    }
    const std::string expected = "old";
#else
    WriteFileAtomically(file, std::string("new"));
    const std::string expected = "new";
#endif
    const std::string seen((std::istreambuf_iterator<char>(held)), std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, "old") << "the open handle sees the file it opened";
    held.close();
    const auto bytes = ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(dir.EntryCount(), 1u) << "a temporary file was left";
}

// A read-only file: POSIX replaces it and keeps its permissions; Windows will not replace it,
// and says so.
TEST(Files, ReplacingAReadOnlyFile)
{
    TempFolder dir;
    const std::string file = dir / "locked.vkd";
    WriteFileAtomically(file, std::string("old"));
    namespace fs = std::filesystem;
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // Refused, unless on POSIX the user may write to any file (root); then replaced, and still read-only.
#ifdef _WIN32
    const bool writesAnyFile = false;
#else
    const bool writesAnyFile = std::ofstream(file, std::ios::app).is_open();
#endif
    std::string expected = "old";
    if (writesAnyFile) {
        WriteFileAtomically(file, std::string("new"));
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none) << "permissions kept";
        expected = "new";
    } else {
        EXPECT_THROW(WriteFileAtomically(file, std::string("new")), FileError);
    }
    const auto bytes = ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(dir.EntryCount(), 1u) << "a temporary file was left";
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
}

// Bytes printed as a file holds them: a stream in text mode (standard output on Windows) puts a
// CR before each LF of its own writes, never of these, and goes on doing so after them.
TEST(Files, UntranslatedWritesKeepTheirLineEnds)
{
    TempFolder dir;
    const std::string file = dir / "printed.txt";
    std::FILE *stream = std::fopen(file.c_str(), "w");
    ASSERT_NE(stream, nullptr);
    std::fputs("own\n", stream);
    EXPECT_TRUE(platform::WriteUntranslated(stream, "log\r\nline\n"));
    std::fputs("own\n", stream);
    std::fclose(stream);
#ifdef _WIN32
    const std::string own = "own\r\n";
#else
    const std::string own = "own\n";
#endif
    EXPECT_EQ(ReadText(file), own + "log\r\nline\n" + own);

    std::FILE *readOnly = std::fopen(file.c_str(), "r");
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(platform::WriteUntranslated(readOnly, "x")) << "a failed write is told";
    std::fclose(readOnly);
}

#ifndef _WIN32
// Writing to a link replaces the file it names and keeps the link; a pipe (as /dev/stdout
// or /dev/null, which must never become plain files) is written to, not replaced.
TEST(Files, LinksAndPipesAreWrittenThroughNotReplaced)
{
    TempFolder dir;
    const std::string file = dir / "real.vkd";
    const std::string link = dir / "link.vkd";
    WriteFileAtomically(file, std::string("old"));
    std::filesystem::create_symlink("real.vkd", link);
    WriteFileAtomically(link, std::string("new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    const auto bytes = ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    EXPECT_EQ(dir.EntryCount(), 2u) << "a temporary file was left";
    // A link to a file not there yet makes that file; a loop of links is refused.
    std::filesystem::create_symlink("later.vkd", dir / "dangling.vkd");
    WriteFileAtomically(dir / "dangling.vkd", std::string("made"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling.vkd"));
    EXPECT_EQ(ReadText(dir / "later.vkd"), "made");
    std::filesystem::create_symlink("loop2", dir / "loop1");
    std::filesystem::create_symlink("loop1", dir / "loop2");
    EXPECT_THROW(WriteFileAtomically(dir / "loop1", std::string("x")), FileError);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "loop1"));

    // The reader opens the pipe by a second name, which still reaches it should the write
    // have put a plain file in its place.
    const std::string pipe = dir / "pipe";
    ASSERT_EQ(std::system(("mkfifo '" + pipe + "'").c_str()), 0);
    std::filesystem::create_hard_link(pipe, pipe + "-kept");
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe + "-kept", std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    WriteFileAtomically(pipe, std::string("through"));
    const bool stillAPipe = std::filesystem::status(pipe).type() == std::filesystem::file_type::fifo;
    if (!stillAPipe)
        std::ofstream(pipe + "-kept").close(); // lets the reader finish
    reader.join();
    EXPECT_TRUE(stillAPipe);
    EXPECT_EQ(received, "through");
}

// Reading stops at a size no design comes near: a huge file is refused before a byte is
// read, an endless device once it has given that much.
TEST(Files, EndlessAndHugeFilesAreRefusedNotRead)
{
    TempFolder dir;
    const std::string huge = dir / "huge.vkd";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, platform::kLargestFileRead + 1); // sparse: no disk used
    try {
        ReadWholeFile(huge);
        FAIL() << "read";
    } catch (const FileError &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot read file \"" + huge + "\": File too large");
    }
    std::vector<uint8_t> bytes;
    const auto failure = platform::ReadFileBytes("/dev/zero", bytes, 1 << 20);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Reason, platform::kFileTooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(platform::ReadFileBytes("/dev/null", bytes, 1 << 20).has_value());
    // Standard input too ("from-json -" reads it).
    ASSERT_TRUE(std::freopen("/dev/zero", "rb", stdin));
    const auto endless = platform::ReadStandardInputBytes(bytes, 1 << 20);
    std::freopen("/dev/null", "rb", stdin);
    ASSERT_TRUE(endless.has_value());
    EXPECT_EQ(endless->Reason, platform::kFileTooLarge);
}
#endif

} // namespace aw
