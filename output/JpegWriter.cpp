#include "output/JpegWriter.h"

#include "base/Files.h"
#include "base/Utf8Path.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace aw {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the
// encoder, which then turns the saved message into an exception outside the C code.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {} // warnings and traces are not shown

// Everything that must be released after a jump lives outside the jumping function's frame.
struct Encoder {
    jpeg_compress_struct Info{};
    ErrorManager Errors{};
    unsigned char *Buffer = nullptr;
    unsigned long Size = 0;
    ~Encoder()
    {
        jpeg_destroy_compress(&Info);
        std::free(Buffer);
    }
};

// Returns false after a library error (message in encoder.errors.message).
bool Encode(Encoder &encoder, const QImage &rgb, int quality)
{
    jpeg_compress_struct &info = encoder.Info;
    info.err = jpeg_std_error(&encoder.Errors.Base);
    encoder.Errors.Base.error_exit = OnJpegError;
    encoder.Errors.Base.emit_message = OnJpegMessage;
    if (setjmp(encoder.Errors.Jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &encoder.Buffer, &encoder.Size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

std::vector<uint8_t> EncodeJpeg(const QImage &image, int quality)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw JpegError("An empty image cannot be saved as JPEG");
    const QImage rgb = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    Encoder encoder;
    if (!Encode(encoder, rgb, quality))
        throw JpegError(std::string("JPEG error: ") + encoder.Errors.Message);
    return std::vector<uint8_t>(encoder.Buffer, encoder.Buffer + encoder.Size);
}

void SaveJpeg(const QImage &image, const std::string &path, int quality)
{
    WriteFileAtomically(PathFromUtf8(path), EncodeJpeg(image, quality));
}

} // namespace aw
