// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/PageResources.h"

#include <QBuffer>
#include <QByteArrayList>
#include <QImage>
#include <QImageReader>
#include <QUrl>

namespace {

// What stands for a resource that is not loaded: one transparent pixel. It must not be a null
// image: the text layout then tries the name as a file of its own.
QImage emptyImage() {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QVariant PageResources::load(const QUrl& url) {
    const QVariant none = emptyImage();
    if (url.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) != 0)
        return none;
    const QByteArray address = url.toEncoded();
    const qsizetype comma = address.indexOf(',');
    // Base64 takes four characters for three bytes; percent escapes take three for one.
    if (comma < 0 || address.size() - comma > kMaxImageBytes * 4 / 3 + 4)
        return none;
    const QByteArray header = address.mid(5, comma - 5).toLower();
    if (!header.startsWith("image/"))
        return none;
    const QByteArray payload = address.mid(comma + 1);
    QByteArray bytes;
    if (header.endsWith(";base64")) {
        const auto decoded = QByteArray::fromBase64Encoding(
            QByteArray::fromPercentEncoding(payload), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return none;
        bytes = *decoded;
    } else {
        bytes = QByteArray::fromPercentEncoding(payload);
    }
    if (bytes.size() > kMaxImageBytes)
        return none;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Formats that hold pixels only: no format that could name other files.
    static const QByteArrayList formats{"png", "jpeg", "jpg", "gif", "bmp", "webp"};
    const QSize size = reader.size();
    if (!formats.contains(reader.format()) || !size.isValid() || size.width() > kMaxImageSide ||
        size.height() > kMaxImageSide)
        return none;
    const QImage image = reader.read();
    return image.isNull() ? none : QVariant(image);
}
