// Stored counts and sizes are checked against the bytes that remain before anything is
// allocated for them, and pictures claiming a huge size are refused before they are decoded.
#include "AllocationProbe.h"

#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "engine/DesignFile.h"
#include "engine/DesignFilePicture.h"
#include "engine/MovementList.h"
#include "output/RecordSheetBitmap.h"
#include "output/RecordSheetRenderContext.h"
#include "output/SheetLayout.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// A bitmap file that claims width x height pixels of 8-bit RLE data but holds only an
// end-of-bitmap code: a few dozen bytes that would decode to width x height pixels.
std::vector<uint8_t> RleBitmap(int32_t width, int32_t height)
{
    const std::vector<uint8_t> whole = samples::BitmapFile(1, 1, 8);
    std::vector<uint8_t> bmp(whole.begin(), whole.end() - 4); // without the one padded row of pixels
    bmp.push_back(0);
    bmp.push_back(1); // end of bitmap
    bytes::PutInt32(bmp.data() + 18, width);
    bytes::PutInt32(bmp.data() + 22, height);
    bytes::PutUInt32(bmp.data() + 30, 1); // RLE8
    bytes::PutUInt32(bmp.data() + 2, static_cast<uint32_t>(bmp.size()));
    return bmp;
}

TEST(BoundedResources, CompressedPicturesClaimingHugeSizesAreRefused)
{
    // Within the side limit but 16384 x 16384 pixels in all: a gigabyte once decoded.
    EXPECT_NE(BitmapProblem(RleBitmap(16384, 16384)), "");
    EXPECT_NE(BitmapProblem(RleBitmap(4097, 4096)), "");
    EXPECT_EQ(BitmapProblem(RleBitmap(4096, 4096)), "") << "the largest picture allowed";
    EXPECT_EQ(BitmapProblem(RleBitmap(16384, 1)), "") << "a long thin picture is fine";

    KeepSheetRenderContext();
    EXPECT_THROW(LoadSheetBitmap(RleBitmap(16384, 16384)), SheetBitmapError);
    EXPECT_THROW(LoadSheetBitmap(RleBitmap(4096, 4097)), SheetBitmapError);
    const QImage thin = LoadSheetBitmap(RleBitmap(300, 2));
    EXPECT_EQ(thin.width(), 300);
}

TEST(BoundedResources, ABitmapsHeadersAloneRefuseAClaimedSize)
{
    // A chosen picture file is judged by its headers before the rest is read: 30000 x 30000
    // pixels of 24 bits would be 2.7 GB to read.
    std::vector<uint8_t> file = samples::BitmapFile(40, 40, 24);
    const std::vector<uint8_t> headers(file.begin(), file.begin() + kBitmapHeadersSize);
    EXPECT_EQ(BitmapHeaderProblem(headers), "") << "the pixels after the headers are not judged";
    EXPECT_EQ(BitmapProblem(headers), "its pixel data is cut short");

    bytes::PutInt32(file.data() + 18, 30000);
    bytes::PutInt32(file.data() + 22, 30000);
    const std::vector<uint8_t> giantHeaders(file.begin(), file.begin() + kBitmapHeadersSize);
    EXPECT_EQ(BitmapHeaderProblem(giantHeaders, PixelCountLimit::Waived),
              "the bitmap is 30000 x 30000 pixels, larger than 16384 on a side");
    EXPECT_EQ(BitmapHeaderProblem(giantHeaders, PixelCountLimit::Waived), BitmapProblem(file, PixelCountLimit::Waived));
}

TEST(BoundedResources, HugePictureInADesignIsLeftOutWithAWarning)
{
    Vehicle v;
    v.Picture = RleBitmap(16000, 16000);
    Stream body;
    SaveToStream(v, body);
    body.Seek(0);
    const LoadedDesign loaded = LoadFromStream(body, "huge.vkd");
    EXPECT_TRUE(loaded.Design->Picture.empty());
    EXPECT_NE(loaded.Warning.find("huge.vkd"), std::string::npos) << loaded.Warning;
}

// Where each count and length of a design body stands, for a design of known content: no
// picture, one movement system, three empty long texts, no perks, flaws or defects, and one
// weapon with one clip of one section and one link.
struct BodyFields {
    std::vector<uint8_t> Body;
    std::vector<std::pair<const char *, size_t>> Counts;
};

BodyFields KnownBody()
{
    Vehicle v;
    v.Movement->Add({});
    const int w = v.Weapons->AddRecord(DefaultWeaponRecord());
    v.Weapons->Get(w).Clips.Mutable(0)->AddSection(ClearAmmoSection());
    v.Weapons->AddLink();
    BodyFields fields;
    fields.Body = BodyOf(v);

    constexpr size_t kFixedPart = 3628;
    size_t at = kFixedPart;
    fields.Counts.push_back({"movement count", at});
    at += 4 + 61;
    for (const char *text : {"description length", "history length", "extra length"}) {
        fields.Counts.push_back({text, at});
        at += 4;
    }
    for (const char *list : {"perk count", "flaw count", "defect count"}) {
        fields.Counts.push_back({list, at});
        at += 4;
    }
    fields.Counts.push_back({"weapon count", at});
    at += 4 + kWeaponRecordSize;
    fields.Counts.push_back({"clip count", at});
    at += 4 + 4; // clip count, then the clip's ClipCount
    fields.Counts.push_back({"section count", at});
    at += 4 + kAmmoSectionSize;
    fields.Counts.push_back({"link count", at});
    at += 4 + 1;
    EXPECT_EQ(at, fields.Body.size()) << "the body's layout is not the one described";
    return fields;
}

TEST(BoundedResources, CountsBeyondTheRemainingBytesAreRefusedBeforeAllocating)
{
    const BodyFields fields = KnownBody();
    {
        Stream intact(fields.Body);
        EXPECT_NO_THROW(LoadFromStream(intact, "intact.vkd"));
    }
    for (const auto &[name, offset] : fields.Counts) {
        for (int32_t claimed : {0x7FFFFFFF, 0x00100000, 100000}) {
            std::vector<uint8_t> body = fields.Body;
            bytes::PutInt32(body.data() + offset, claimed);
            Stream stream(body);
            AllocationProbe probe;
            try {
                LoadFromStream(stream, "claims.vkd");
                ADD_FAILURE() << name << " = " << claimed << " was accepted";
            } catch (const DesignFileError &e) {
                EXPECT_EQ(e.Reason(), DesignFileError::Failure::Damaged) << name;
            }
            // Nothing near the claimed size is ever asked for: only what a design this small needs.
            EXPECT_LT(probe.Largest(), 64 * 1024u) << name << " = " << claimed;
        }
    }
}

TEST(BoundedResources, NegativeCountsReadAsNone)
{
    const BodyFields fields = KnownBody();
    for (const auto &[name, offset] : fields.Counts) {
        const bool wasEmpty = bytes::GetInt32(fields.Body.data() + offset) == 0;
        std::vector<uint8_t> body = fields.Body;
        bytes::PutInt32(body.data() + offset, -5);
        Stream stream(body);
        AllocationProbe probe;
        try {
            const LoadedDesign loaded = LoadFromStream(stream, "negative.vkd");
            // A negative count reads as none: where there was none, nothing changes.
            EXPECT_EQ(BodyOf(*loaded.Design) == fields.Body, wasEmpty) << name;
        } catch (const DesignFileError &) {
            EXPECT_FALSE(wasEmpty) << name;
        }
        EXPECT_LT(probe.Largest(), 64 * 1024u) << name;
    }
}

TEST(BoundedResources, ContainerSizesBeyondWhatTheBytesCanHoldAreRefusedAtOnce)
{
    std::vector<uint8_t> file = CompressBytes(std::vector<uint8_t>(1000, 'a'));
    for (uint32_t claimed : {0xFFFFFFFFu, 0x10000000u, 2000000u}) {
        bytes::PutUInt32(file.data() + 4, claimed);
        AllocationProbe probe;
        EXPECT_THROW(DecompressBytes(file), LZHException) << claimed;
        EXPECT_LT(probe.Largest(), 1024 * 1024u) << claimed;
    }
}

TEST(BoundedResources, SheetLayoutLengthsAreCheckedBeforeAllocating)
{
    SheetLayout layout;
    layout.Background = samples::BitmapFile(4, 4, 24);
    SheetLabel label;
    label.Text = "|NAME|";
    label.FontName = "Arial";
    layout.Items.push_back(label);
    const std::vector<uint8_t> intact = SheetLayoutBytes(layout);
    const size_t labelText = 4 + layout.Background.size() + 4 + 1;
    const size_t fontName = labelText + 4 + label.Text.size() + 1 + 4 + 4 + 1;
    for (size_t offset : {size_t{0}, labelText, fontName}) {
        std::vector<uint8_t> block = intact;
        bytes::PutInt32(block.data() + offset, 0x7FFFFFF0);
        AllocationProbe probe;
        if (offset == 0)
            EXPECT_THROW(ReadSheetLayout(block), StreamError);
        else // a label that the data does not hold whole ends the items
            EXPECT_TRUE(ReadSheetLayout(block).Items.empty()) << offset;
        EXPECT_LT(probe.Largest(), 64 * 1024u) << offset;
    }
    EXPECT_EQ(ReadSheetLayout(intact).Items.size(), 1u);
}

} // namespace

} // namespace aw
