#include "runtime/pictures.h"

#include <QFile>
#include <QPixmapCache>

namespace rt {
namespace {

QString doubleSized(const QString &resourcePath)
{
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    return resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
}

} // namespace

QPixmap picture(const QString &resourcePath)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(resourcePath, &pixmap)) {
        pixmap.load(resourcePath);
        QPixmapCache::insert(resourcePath, pixmap);
    }
    return pixmap;
}

QPixmap picture(const QString &resourcePath, qreal devicePixelRatio)
{
    const QString sharpPath = doubleSized(resourcePath);
    if (devicePixelRatio > 1.0 && QFile::exists(sharpPath)) {
        // Cached with its ratio set, so each window does not copy it anew.
        const QString key = sharpPath + QStringLiteral("#ratio2");
        QPixmap sharp;
        if (!QPixmapCache::find(key, &sharp)) {
            sharp.load(sharpPath);
            sharp.setDevicePixelRatio(2.0);
            QPixmapCache::insert(key, sharp);
        }
        return sharp;
    }
    return picture(resourcePath);
}

QIcon icon(const QString &name)
{
    QIcon result;
    for (int size : {16, 32, 48, 256}) {
        const QString path = QStringLiteral(":/assets/%1-%2.png").arg(name).arg(size);
        if (size <= 32 || QFile::exists(path))
            result.addPixmap(picture(path));
    }
    return result;
}

QIcon pictureIcon(const QString &resourcePath)
{
    QIcon result(picture(resourcePath));
    if (QFile::exists(doubleSized(resourcePath)))
        result.addPixmap(picture(doubleSized(resourcePath)));
    return result;
}

} // namespace rt
