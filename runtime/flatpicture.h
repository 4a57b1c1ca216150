// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstring>
#include <optional>

// A picture stored as the pixels the raster engine draws from, so that it is
// wrapped where it lies instead of decoded. The build writes these
// (assets/flatten.cpp); the program reads them (runtime/pictures.cpp).
//
// Layout, native byte order: the 8-byte magic, then width, height, QImage
// format and bytes per line as 32-bit numbers, then the lines. Every part is
// a multiple of 4 bytes, so the lines stay as aligned as the data is.
namespace rt::flat {

constexpr char magic[8] = {'k', 't', 'h', 't', '-', 'p', 'x', '1'};

struct Header
{
    char magic[8];
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t format;
    std::uint32_t bytesPerLine;
};
static_assert(sizeof(Header) == 24);

inline QByteArray encode(const QImage &picture)
{
    const QImage image = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                           : QImage::Format_RGB32);
    Header header{};
    std::memcpy(header.magic, magic, sizeof magic);
    header.width = std::uint32_t(image.width());
    header.height = std::uint32_t(image.height());
    header.format = std::uint32_t(image.format());
    header.bytesPerLine = std::uint32_t(image.bytesPerLine());
    QByteArray out(reinterpret_cast<const char *>(&header), sizeof header);
    out.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return out;
}

// The image over the given bytes, which must outlive it; nothing when they
// are not a whole flat picture. Lines that are not aligned for 32-bit
// access are copied rather than read in place.
inline std::optional<QImage> decode(const uchar *data, qint64 size)
{
    Header header;
    if (!data || size < qint64(sizeof header))
        return std::nullopt;
    std::memcpy(&header, data, sizeof header);
    const bool known = header.format == QImage::Format_RGB32 || header.format == QImage::Format_ARGB32_Premultiplied;
    // Far above any picture of the program; keeps the sizes within int.
    constexpr std::uint32_t largest = 1 << 14;
    if (std::memcmp(header.magic, magic, sizeof magic) != 0 || !known || header.width == 0 || header.height == 0
        || header.width > largest || header.height > largest || header.bytesPerLine % 4 != 0
        || header.bytesPerLine / 4 < header.width
        || size - qint64(sizeof header) != qint64(header.bytesPerLine) * header.height)
        return std::nullopt;
    const uchar *lines = data + sizeof header;
    const QImage image(lines, int(header.width), int(header.height), qsizetype(header.bytesPerLine),
                       QImage::Format(header.format));
    if (reinterpret_cast<std::uintptr_t>(lines) % alignof(std::uint32_t) != 0)
        return image.copy();
    return image;
}

} // namespace rt::flat
