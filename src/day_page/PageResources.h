// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QVariant>

class QUrl;

// What a day page may load while it is laid out, shown, printed or exported: only images
// that the page itself carries as "data:" addresses, within a size cap. Anything else (a local
// file, a device, a pipe, a network address, a style sheet elsewhere) reads as an empty image (one
// transparent pixel), so that a liturgy database cannot make the component read, hang on or embed
// anything of the user's machine.
class PageResources {
public:
    // Bytes of an image's encoded data, and pixels of each side.
    static constexpr qsizetype kMaxImageBytes = 1024 * 1024;
    static constexpr int kMaxImageSide = 4096;

    // The resource for `url`: a QImage, the empty one unless allowed.
    static QVariant load(const QUrl& url);
};
