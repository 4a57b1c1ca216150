// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/pictures.h"

#include "runtime/flatpicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QResource>

namespace rt {
namespace {

// Pictures and icons are decoded and made once, and held here rather than in
// the pixmap cache, which the style fills with pieces of every window built
// and which may drop them. An icon made anew would also leave its own scaled
// and state images in that cache each time a new window paints it.
template <typename T>
QHash<QString, T> &shared()
{
    static QHash<QString, T> cache;
    static bool clearedAtExit = false;
    if (!clearedAtExit) {
        // Pixmaps must go before the application does.
        qAddPostRoutine([] {
            cache.clear();
            clearedAtExit = false;
        });
        clearedAtExit = true;
    }
    return cache;
}

QString doubleSized(const QString &resourcePath)
{
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    return resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
}

// A picture named "<name>@2x.<suffix>" covers the area of one half its size,
// as a decoder marks it.
qreal ratioOf(const QString &resourcePath)
{
    return resourcePath.contains(QLatin1String("@2x.")) ? 2.0 : 1.0;
}

// Decoding the pictures of the first window took a tenth of the start-up
// time, and decoding any picture loads the decoder's library and, while the
// toolkit looks for one, other image plugins. So the build also stores each
// picture as its pixels under ":/flat" (assets/CMakeLists.txt); those are
// drawn from where they lie.
std::optional<flat::Picture> stored(const QString &resourcePath)
{
    if (!resourcePath.startsWith(QLatin1String(":/")))
        return std::nullopt;
    const QResource flat(QStringLiteral(":/flat/") + resourcePath.mid(2));
    if (!flat.isValid() || flat.compressionAlgorithm() != QResource::NoCompression)
        return std::nullopt;
    return flat::decode(flat.data(), flat.size());
}

QPixmap load(const QString &resourcePath)
{
    if (std::optional<flat::Picture> flat = stored(resourcePath)) {
        // Moved, not copied: marking a shared image would copy its pixels.
        QImage image = flat->whole() ? std::move(flat->lines) : flat->image();
        image.setDevicePixelRatio(ratioOf(resourcePath));
        return QPixmap::fromImage(std::move(image));
    }
    return QPixmap(resourcePath);
}

QString forRatio(const QString &resourcePath, qreal devicePixelRatio)
{
    const QString sharpPath = doubleSized(resourcePath);
    return devicePixelRatio > 1.0 && QFile::exists(sharpPath) ? sharpPath : resourcePath;
}

// A picture drawn as a background: where it is stored as a band on a plain
// ground, the ground's colour over its area and the band over the
// program's data; else the whole picture.
struct Backdrop
{
    QRectF area;
    QColor ground;
    QPointF at;
    QPixmap lines;
};

Backdrop backdrop(const QString &resourcePath)
{
    std::optional<flat::Picture> flat = stored(resourcePath);
    if (!flat || flat->whole())
        return {QRectF(), QColor(), QPointF(), picture(resourcePath)};
    const qreal ratio = ratioOf(resourcePath);
    QImage lines = std::move(flat->lines);
    lines.setDevicePixelRatio(ratio);
    const QRgb ground = lines.format() == QImage::Format_ARGB32_Premultiplied ? qUnpremultiply(flat->ground)
                                                                              : flat->ground;
    return {QRectF(QPointF(0, 0), QSizeF(flat->size) / ratio), QColor::fromRgba(ground),
            QPointF(0, flat->top / ratio), QPixmap::fromImage(std::move(lines))};
}

} // namespace

QPixmap picture(const QString &resourcePath)
{
    auto &pictures = shared<QPixmap>();
    auto found = pictures.find(resourcePath);
    if (found == pictures.end())
        found = pictures.insert(resourcePath, load(resourcePath));
    return *found;
}

QPixmap picture(const QString &resourcePath, qreal devicePixelRatio)
{
    return picture(forRatio(resourcePath, devicePixelRatio));
}

void drawPicture(QPainter &painter, const QString &resourcePath, qreal devicePixelRatio)
{
    const QString path = forRatio(resourcePath, devicePixelRatio);
    auto &backdrops = shared<Backdrop>();
    auto found = backdrops.find(path);
    if (found == backdrops.end())
        found = backdrops.insert(path, backdrop(path));
    if (found->area.isValid())
        painter.fillRect(found->area, found->ground);
    painter.drawPixmap(found->at, found->lines);
}

QIcon icon(const QString &name)
{
    auto &icons = shared<QIcon>();
    auto found = icons.find(name);
    if (found == icons.end()) {
        QIcon made;
        for (int size : {16, 32, 48, 256}) {
            const QString path = QStringLiteral(":/assets/%1-%2.png").arg(name).arg(size);
            if (size <= 32 || QFile::exists(path))
                made.addPixmap(picture(path));
        }
        found = icons.insert(name, made);
    }
    return *found;
}

QIcon pictureIcon(const QString &resourcePath)
{
    auto &icons = shared<QIcon>();
    const QString key = QStringLiteral("picture:") + resourcePath;
    auto found = icons.find(key);
    if (found == icons.end()) {
        QIcon made(picture(resourcePath));
        if (QFile::exists(doubleSized(resourcePath)))
            made.addPixmap(picture(doubleSized(resourcePath)));
        found = icons.insert(key, made);
    }
    return *found;
}

} // namespace rt
