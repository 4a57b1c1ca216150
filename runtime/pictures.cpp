#include "runtime/pictures.h"

#include <QCoreApplication>
#include <QHash>

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

} // namespace

QPixmap picture(const QString &resourcePath)
{
    auto &pictures = shared<QPixmap>();
    auto found = pictures.find(resourcePath);
    if (found == pictures.end())
        found = pictures.insert(resourcePath, QPixmap(resourcePath));
    return *found;
}

QIcon icon(const QString &name)
{
    auto &icons = shared<QIcon>();
    auto found = icons.find(name);
    if (found == icons.end()) {
        QIcon made;
        for (int size : {16, 32})
            made.addPixmap(picture(QStringLiteral(":/assets/%1-%2.png").arg(name).arg(size)));
        found = icons.insert(name, made);
    }
    return *found;
}

QIcon pictureIcon(const QString &resourcePath)
{
    auto &icons = shared<QIcon>();
    const QString key = QStringLiteral("picture:") + resourcePath;
    auto found = icons.find(key);
    if (found == icons.end())
        found = icons.insert(key, QIcon(picture(resourcePath)));
    return *found;
}

} // namespace rt
