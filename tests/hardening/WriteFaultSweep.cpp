#include "WriteFaultSweep.h"

#include "base/Files.h"

#include <gtest/gtest.h>

namespace aw::hardening {

namespace {

// Fails the k-th write (counting from 1) while it lives.
class FailingWrite {
public:
    explicit FailingWrite(int k)
    {
        SetWriteFaultInjector([this, k] { return ++m_calls != k; });
    }
    ~FailingWrite() { SetWriteFaultInjector({}); }
    int Calls() const { return m_calls; }

private:
    int m_calls = 0;
};

} // namespace

int SweepWriteFaults(const TempFolder &folder, const std::string &file, const std::function<void()> &save)
{
    const auto before = folder.Contents();
    int failures = 0;
    for (int k = 1; k < 1000; ++k) {
        FailingWrite fault(k);
        try {
            save();
        } catch (const FileError &e) {
            ++failures;
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << "the error names the file: " << e.what();
            EXPECT_EQ(folder.Contents(), before) << "write " << k << " failed: the folder changed";
            continue;
        }
        // Every earlier write was made to fail in turn; this save made one write fewer than k.
        EXPECT_EQ(fault.Calls(), k - 1) << "the number of writes of a save changed between attempts";
        break;
    }
    const auto after = folder.Contents();
    EXPECT_EQ(after.size(), before.size() + (before.count(file) ? 0 : 1)) << "only the saved file is new";
    EXPECT_TRUE(after.count(file)) << file << " was not written";
    return failures;
}

} // namespace aw::hardening
