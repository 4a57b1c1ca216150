#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace rt {

// A picture compiled into the program, decoded once and shared after that.
QPixmap picture(const QString &resourcePath);

// An icon with its 16 x 16 and 32 x 32 images, ":/assets/<name>-16.png" and
// ":/assets/<name>-32.png"; made once and shared.
QIcon icon(const QString &name);

// A picture as a button icon; made once and shared.
QIcon pictureIcon(const QString &resourcePath);

} // namespace rt
