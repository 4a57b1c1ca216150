// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

// A picture stored as the pixels the raster engine draws from, so that it is
// wrapped where it lies instead of decoded. The build writes these
// (assets/flatten.cpp); the program reads them (runtime/pictures.cpp).
//
// A picture on a plain ground, such as a window's background, may keep only
// the band of lines that differ from the ground: drawing it touches those
// alone, and the ground is filled.
//
// Layout, native byte order: the 8-byte magic, then as 32-bit numbers the
// width and height of the picture, the QImage format, the bytes per line, the
// first line kept, the number of lines kept and the colour of the ground
// (ARGB); then the lines kept. Every part is a multiple of 4 bytes, so the
// lines stay as aligned as the data is.
namespace rt::flat {

constexpr char magic[8] = {'k', 't', 'h', 't', '-', 'p', 'x', '2'};

struct Header
{
    char magic[8];
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t format;
    std::uint32_t bytesPerLine;
    std::uint32_t top;
    std::uint32_t lines;
    std::uint32_t ground;
};
static_assert(sizeof(Header) == 36);

// A stored picture: the lines kept, from line `top` of a picture of `size`,
// all other lines being `ground`.
struct Picture
{
    QImage lines;
    int top = 0;
    QSize size;
    QRgb ground = 0;

    bool whole() const { return lines.size() == size; }
    // The picture with its ground, as a decoder gives it: the lines themselves
    // when they are all of it, else a copy.
    QImage image() const
    {
        if (whole())
            return lines;
        QImage full(size, lines.format());
        full.fill(ground);
        for (int y = 0; y < lines.height(); ++y)
            std::memcpy(full.scanLine(top + y), lines.constScanLine(y), std::size_t(lines.bytesPerLine()));
        return full;
    }
};

// With `band`, only the lines from the first to the last that differ from
// the top-left pixel are kept, from an even line to an even line, so that a
// copy at twice the size starts on a whole line of the picture it doubles.
inline QByteArray encode(const QImage &picture, bool band = false)
{
    const QImage image = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                           : QImage::Format_RGB32);
    int top = 0, bottom = image.height();
    const QRgb ground = band ? reinterpret_cast<const QRgb *>(image.constScanLine(0))[0] : 0;
    if (band) {
        const auto plain = [&](int y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] != ground)
                    return false;
            }
            return true;
        };
        while (top < bottom && plain(top))
            ++top;
        while (bottom > top && plain(bottom - 1))
            --bottom;
        top -= top % 2;
        bottom = std::min(image.height(), bottom + bottom % 2);
        if (top == bottom) {
            top = 0;
            bottom = std::min(image.height(), 2);
        }
    }
    Header header{};
    std::memcpy(header.magic, magic, sizeof magic);
    header.width = std::uint32_t(image.width());
    header.height = std::uint32_t(image.height());
    header.format = std::uint32_t(image.format());
    header.bytesPerLine = std::uint32_t(image.bytesPerLine());
    header.top = std::uint32_t(top);
    header.lines = std::uint32_t(bottom - top);
    header.ground = ground;
    QByteArray out(reinterpret_cast<const char *>(&header), sizeof header);
    out.append(reinterpret_cast<const char *>(image.constScanLine(top)), qsizetype(image.bytesPerLine()) * (bottom - top));
    return out;
}

// The picture over the given bytes, which must outlive it; nothing when they
// are not a whole flat picture. Lines that are not aligned for 32-bit
// access are copied rather than read in place.
inline std::optional<Picture> decode(const uchar *data, qint64 size)
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
        || header.bytesPerLine / 4 < header.width || header.lines == 0 || header.top >= header.height
        || header.lines > header.height - header.top
        || size - qint64(sizeof header) != qint64(header.bytesPerLine) * header.lines)
        return std::nullopt;
    const uchar *lines = data + sizeof header;
    Picture picture;
    picture.lines = QImage(lines, int(header.width), int(header.lines), qsizetype(header.bytesPerLine),
                           QImage::Format(header.format));
    if (reinterpret_cast<std::uintptr_t>(lines) % alignof(std::uint32_t) != 0)
        picture.lines = picture.lines.copy();
    picture.top = int(header.top);
    picture.size = QSize(int(header.width), int(header.height));
    picture.ground = header.ground;
    return picture;
}

} // namespace rt::flat
