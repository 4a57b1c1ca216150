// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/pictures.h"

#include "runtime/flatpicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
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

// Decoding the pictures of the first window took a tenth of the start-up
// time, and decoding any picture loads the decoder's library and, while the
// toolkit looks for one, other image plugins. So the build also stores each
// picture as its pixels under ":/flat" (assets/CMakeLists.txt); those are
// drawn from where they lie, marked as a decoder marks them: a picture named
// "<name>@2x.<suffix>" covers the area of one half its size.
QPixmap load(const QString &resourcePath)
{
    if (resourcePath.startsWith(QLatin1String(":/"))) {
        const QResource flat(QStringLiteral(":/flat/") + resourcePath.mid(2));
        if (flat.isValid() && flat.compressionAlgorithm() == QResource::NoCompression) {
            if (std::optional<QImage> image = flat::decode(flat.data(), flat.size())) {
                image->setDevicePixelRatio(resourcePath.contains(QLatin1String("@2x.")) ? 2.0 : 1.0);
                return QPixmap::fromImage(std::move(*image));
            }
        }
    }
    return QPixmap(resourcePath);
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
    const QString sharpPath = doubleSized(resourcePath);
    if (devicePixelRatio <= 1.0 || !QFile::exists(sharpPath))
        return picture(resourcePath);
    return picture(sharpPath);
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
