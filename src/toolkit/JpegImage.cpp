#include "JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace JpegImage {
namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto *err = reinterpret_cast<ErrorManager *>(info->err);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {}

} // namespace

QImage decode(const QByteArray &data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;

    // Everything the jump may skip lives outside this frame's automatic objects with
    // non-trivial destructors; the image is built only after a successful header.
    QImage *volatile image = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        delete image;
        return {};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);

    image = new QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                       QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    QImage result = std::move(*image);
    delete image;
    return result;
}

QImage load(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return decode(f.readAll());
}

} // namespace JpegImage
