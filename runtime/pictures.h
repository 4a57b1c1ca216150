// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;

namespace rt {

// A picture compiled into the program, made once and shared after that.
QPixmap picture(const QString &resourcePath);

// The picture as drawn for a display of the given pixel ratio: where the
// ratio calls for it and there is one, the copy at twice the size
// ("<name>@2x.<suffix>"), marked so that it covers the same area.
QPixmap picture(const QString &resourcePath, qreal devicePixelRatio);

// Draws a picture as a window's background: unscaled, its top-left corner
// at the painter's origin, the copy at twice the size where the ratio calls
// for it. A background stored as a band on a plain ground touches only the
// band's pixels.
void drawPicture(QPainter &painter, const QString &resourcePath, qreal devicePixelRatio);

// An icon with every image drawn of it: ":/assets/<name>-16.png" and -32,
// and -48 and -256 where they exist (the window icon).
QIcon icon(const QString &name);

// A picture as a button's icon, with its copy at twice the size where there
// is one, so a scaled display shows it sharp.
QIcon pictureIcon(const QString &resourcePath);

} // namespace rt
