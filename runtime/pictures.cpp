#include "runtime/pictures.h"

#include <QPixmapCache>

namespace rt {

QPixmap picture(const QString &resourcePath)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(resourcePath, &pixmap)) {
        pixmap.load(resourcePath);
        QPixmapCache::insert(resourcePath, pixmap);
    }
    return pixmap;
}

QIcon icon(const QString &name)
{
    QIcon result;
    for (int size : {16, 32})
        result.addPixmap(picture(QStringLiteral(":/assets/%1-%2.png").arg(name).arg(size)));
    return result;
}

} // namespace rt
