#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG file or buffer with libjpeg. A damaged or missing picture gives a null
// image (never ends the process, as libjpeg's default error handler would).
namespace JpegImage {

QImage decode(const QByteArray &data);
QImage load(const QString &path); // file path or Qt resource path (":/...")

} // namespace JpegImage
