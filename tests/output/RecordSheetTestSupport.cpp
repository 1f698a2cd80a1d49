#include "RecordSheetTestSupport.h"

#include "output/RecordSheetRenderContext.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace aw {

namespace sheettest {

namespace {

// The application object lives from the first test that draws until all tests have run, and
// is then closed before the process ends.
class SheetRenderingEnvironment : public ::testing::Environment {
public:
    void TearDown() override { context.reset(); }
    std::unique_ptr<SheetRenderContext> context;
};

SheetRenderingEnvironment *const g_environment =
    static_cast<SheetRenderingEnvironment *>(::testing::AddGlobalTestEnvironment(new SheetRenderingEnvironment));

} // namespace

void EnsureSheetRendering()
{
    if (!g_environment->context)
        g_environment->context = std::make_unique<SheetRenderContext>();
}

std::vector<uint8_t> BitmapFileOf(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return std::vector<uint8_t>(data.begin(), data.end());
}

SheetLayout PlainLayout(QColor background, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    SheetLayout layout;
    layout.Background = BitmapFileOf(image);
    return layout;
}

SheetLabel Label(const std::string &text, SheetAlignment align, int points, bool bold, SheetLayoutBox box)
{
    SheetLabel label;
    label.Text = text;
    label.Alignment = static_cast<uint8_t>(align);
    label.Colour = 0x80000008;
    label.FontName = "Arial";
    label.PointSize = points;
    label.Style = bold ? sheetstyle::Bold : 0;
    label.Box = box;
    return label;
}

int InkCount(const QImage &image, const QRect &rect)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

QRect InkBounds(const QImage &image, const QRect &rect)
{
    QRect bounds;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

uint32_t RgbAt(const QImage &image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

uint32_t DecodedJpeg::At(int x, int y) const
{
    const uint8_t *p = Rgb.data() + (static_cast<size_t>(y) * Width + x) * 3;
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

namespace {
struct DecodeErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

void OnDecodeError(j_common_ptr info) { std::longjmp(reinterpret_cast<DecodeErrors *>(info->err)->Jump, 1); }
} // namespace

bool DecodeJpeg(const std::vector<uint8_t> &file, DecodedJpeg &out)
{
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnDecodeError;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    out.Components = info.num_components;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.Width = static_cast<int>(info.output_width);
    out.Height = static_cast<int>(info.output_height);
    out.Rgb.resize(static_cast<size_t>(out.Width) * out.Height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.Rgb.data() + static_cast<size_t>(info.output_scanline) * out.Width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace sheettest

} // namespace aw
