// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's icons and pictures into a directory.
//
//   make-pictures OUTDIR
//
// Everything is drawn with QPainter from fixed geometry, so running it twice
// gives the same files.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <vector>

namespace {

QString g_outDir;

bool save(const QImage &image, const QString &name, const char *format, int quality = -1)
{
    const QString path = QDir(g_outDir).filePath(name);
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage transparentCanvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Toolbar icons are stored as palette PNGs. Colours are rounded more coarsely
// until at most 256 remain; exact when the drawing already fits.
QImage toPalette(const QImage &source)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();

    auto round = [](int value, int step) {
        if (step <= 1)
            return value;
        return std::min(255, (value + step / 2) / step * step);
    };

    for (int step = 1;; step *= 2) {
        std::vector<QRgb> mapped(static_cast<size_t>(w) * h);
        std::map<QRgb, int> index;
        for (int y = 0; y < h; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb c = line[x];
                int a = round(qAlpha(c), step * 2);
                QRgb m = a == 0 ? qRgba(0, 0, 0, 0)
                                : qRgba(round(qRed(c), step), round(qGreen(c), step),
                                        round(qBlue(c), step), a);
                mapped[static_cast<size_t>(y) * w + x] = m;
                index.emplace(m, 0);
            }
        }
        if (index.size() > 256)
            continue;

        QList<QRgb> table;
        for (auto &[colour, i] : index) {
            i = static_cast<int>(table.size());
            table.append(colour);
        }
        QImage out(w, h, QImage::Format_Indexed8);
        out.setColorTable(table);
        for (int y = 0; y < h; ++y) {
            uchar *line = out.scanLine(y);
            for (int x = 0; x < w; ++x)
                line[x] = static_cast<uchar>(index[mapped[static_cast<size_t>(y) * w + x]]);
        }
        return out;
    }
}

// Icons are designed on a 16 unit grid; 32 px copies get the same shapes
// with pixel-aligned edges at twice the resolution.
void scaleToGrid(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
}

// Width in grid units of a pen that should cover `px` device pixels.
double pixels(int size, double px)
{
    return px * 16.0 / size;
}

// Exclamation mark centred on x = 8. At 16 px it is built from whole
// pixels; larger sizes get a tapering bar and a round dot.
QPainterPath exclamation(int size, double top, double barEnd, double dotTop)
{
    QPainterPath mark;
    if (size <= 16) {
        top = std::round(top);
        barEnd = std::round(barEnd);
        mark.addRect(QRectF(7, top, 2, barEnd - top));
        mark.addRect(QRectF(7, std::round(dotTop), 2, 2));
        return mark;
    }
    mark.moveTo(6.75, top);
    mark.lineTo(9.25, top);
    mark.lineTo(8.6, barEnd);
    mark.lineTo(7.4, barEnd);
    mark.closeSubpath();
    mark.addEllipse(QRectF(6.9, dotTop - 0.1, 2.2, 2.2));
    return mark;
}

// --- window icon -----------------------------------------------------------

bool drawSalib(int s)
{
    QImage image(s, s, QImage::Format_RGB32);
    image.fill(Qt::black);

    // Integer rectangles keep every size sharp; no antialiasing needed.
    const int frame = std::max(1, s / 48);
    QPainter p(&image);
    p.fillRect(frame, frame, s - 2 * frame, s - 2 * frame, Qt::white);

    const int half = std::max(2, static_cast<int>(std::lround(s * 0.125)));
    const int margin = static_cast<int>(std::lround(s * 3.0 / 16.0));
    const QColor red(220, 0, 0);
    p.fillRect(s / 2 - half, margin, 2 * half, s - 2 * margin, red);
    p.fillRect(margin, s / 2 - half, s - 2 * margin, 2 * half, red);
    p.end();

    return save(image, QStringLiteral("salib-%1.png").arg(s), "PNG");
}

// --- toolbar icons ---------------------------------------------------------

bool drawMulai(int s)
{
    QImage image = transparentCanvas(s);
    QPainter p(&image);
    scaleToGrid(p, s);

    // Uneven spikes so the burst looks like a bang rather than a gear. The
    // 16 px copy needs fewer, deeper spikes to stay jagged at all.
    const std::vector<double> outer = s <= 16
        ? std::vector<double>{7.9, 6.6, 7.8, 6.4, 7.9, 6.8, 7.7, 6.5}
        : std::vector<double>{7.8, 6.4, 7.6, 6.0, 7.9, 6.6, 7.3, 6.2, 7.8, 6.5, 7.5, 6.1};
    const std::vector<double> inner = s <= 16
        ? std::vector<double>{4.0, 4.3, 3.9, 4.2, 4.1, 3.9, 4.3, 4.0}
        : std::vector<double>{4.6, 4.2, 4.8, 4.3, 4.5, 4.1, 4.7, 4.4, 4.6, 4.2, 4.8, 4.3};
    const auto spikes = static_cast<int>(outer.size());
    // Tilt the small burst so no spike lands on the exclamation mark.
    const double start = -std::numbers::pi / 2 + (s <= 16 ? std::numbers::pi / spikes : 0);
    QPolygonF burst;
    for (int i = 0; i < spikes; ++i) {
        const double a0 = start + (i / double(spikes)) * 2 * std::numbers::pi;
        const double a1 = a0 + std::numbers::pi / spikes;
        burst << QPointF(8 + outer[i] * std::cos(a0), 8 + outer[i] * std::sin(a0))
              << QPointF(8 + inner[i] * std::cos(a1), 8 + inner[i] * std::sin(a1));
    }

    QRadialGradient fill(QPointF(7, 6.5), 8);
    fill.setColorAt(0, QColor(255, 80, 50));
    fill.setColorAt(0.6, QColor(225, 20, 10));
    fill.setColorAt(1, QColor(170, 0, 0));
    p.setBrush(fill);
    p.setPen(QPen(QColor(110, 0, 0), pixels(s, 1), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolygon(burst);

    // Yellow reads on red by itself at 16 px; larger copies get a dark edge.
    p.setBrush(QColor(255, 235, 0));
    if (s <= 16)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(QColor(120, 40, 0), pixels(s, 1)));
    p.drawPath(exclamation(s, 3.3, 9.3, 10.3));
    p.end();

    return save(toPalette(image), QStringLiteral("mulai-%1.png").arg(s), "PNG");
}

bool drawKeluar(int s)
{
    QImage image = transparentCanvas(s);
    QPainter p(&image);
    scaleToGrid(p, s);

    QRadialGradient fill(QPointF(6, 5.5), 10);
    fill.setColorAt(0, QColor(255, 90, 70));
    fill.setColorAt(0.55, QColor(220, 10, 0));
    fill.setColorAt(1, QColor(150, 0, 0));
    p.setBrush(fill);
    p.setPen(QPen(QColor(100, 0, 0), pixels(s, 1)));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));

    // The bar sits on whole pixels; only larger copies can afford an edge.
    p.setBrush(Qt::white);
    if (s <= 16) {
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(3, 6, 10, 4));
    } else {
        const double e = pixels(s, 1) / 2;
        p.setPen(QPen(QColor(120, 0, 0), pixels(s, 1)));
        p.drawRect(QRectF(3 + e, 6 + e, 10 - 2 * e, 4 - 2 * e));
    }
    p.end();

    return save(toPalette(image), QStringLiteral("keluar-%1.png").arg(s), "PNG");
}

bool drawBantuan(int s)
{
    QImage image = transparentCanvas(s);
    QPainter p(&image);
    scaleToGrid(p, s);

    QPolygonF triangle;
    triangle << QPointF(0.5, 1.5) << QPointF(15.5, 1.5) << QPointF(8, 15.2);
    QLinearGradient fill(QPointF(0, 1.6), QPointF(0, 15));
    fill.setColorAt(0, QColor(255, 245, 120));
    fill.setColorAt(0.5, QColor(255, 215, 0));
    fill.setColorAt(1, QColor(230, 170, 0));
    p.setBrush(fill);
    p.setPen(QPen(QColor(140, 95, 0), pixels(s, 1), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolygon(triangle);

    // Grey mark; it sits high because the triangle narrows downwards.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(95, 95, 95));
    p.drawPath(exclamation(s, 3.2, 8.2, 9.1));
    p.end();

    return save(toPalette(image), QStringLiteral("bantuan-%1.png").arg(s), "PNG");
}

bool drawDiagnosa(int s)
{
    QImage image = transparentCanvas(s);
    QPainter p(&image);
    scaleToGrid(p, s);

    // Drawn along the x axis, then turned onto the rising diagonal.
    const double len = 9.0;   // half length, tip to centre
    const double head = 4.6;  // head length
    const double wing = 3.6;  // head half width
    const double shaft = 1.3; // shaft half width
    QPolygonF arrow;
    arrow << QPointF(-len, 0) << QPointF(-len + head, -wing) << QPointF(-len + head, -shaft)
          << QPointF(len - head, -shaft) << QPointF(len - head, -wing) << QPointF(len, 0)
          << QPointF(len - head, wing) << QPointF(len - head, shaft) << QPointF(-len + head, shaft)
          << QPointF(-len + head, wing);

    p.translate(8, 8);
    p.rotate(-45);
    QLinearGradient fill(QPointF(-len, 0), QPointF(len, 0));
    fill.setColorAt(0, QColor(120, 0, 150));
    fill.setColorAt(0.5, QColor(225, 205, 255));
    fill.setColorAt(1, QColor(20, 50, 220));
    p.setBrush(fill);
    p.setPen(QPen(QColor(40, 20, 90), pixels(s, 1), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolygon(arrow);
    p.end();

    return save(toPalette(image), QStringLiteral("diagnosa-%1.png").arg(s), "PNG");
}

// --- navigation buttons ----------------------------------------------------

struct TriangleColours
{
    QColor light, mid, dark, outline;
};

// The file name of a picture drawn at `scale` times its size: "@2x" before
// the suffix, as Qt names the copies for high-density displays.
QString scaled(const QString &name, int scale)
{
    if (scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

QImage leftTriangle(const TriangleColours &c, int scale)
{
    QImage image(20 * scale, 20 * scale, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 248));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    QPolygonF triangle;
    triangle << QPointF(3.5, 10) << QPointF(16.5, 2.5) << QPointF(16.5, 17.5);

    // Lit from the upper left, so the lower edge falls into shadow.
    QLinearGradient fill(QPointF(6, 4), QPointF(14, 17));
    fill.setColorAt(0, c.light);
    fill.setColorAt(0.45, c.mid);
    fill.setColorAt(1, c.dark);
    p.setBrush(fill);
    p.setPen(QPen(c.outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(triangle);
    p.end();
    return image;
}

bool drawKembali(int scale)
{
    const TriangleColours orange{QColor(255, 190, 120), QColor(245, 100, 30),
                                 QColor(180, 40, 0), QColor(80, 20, 0)};
    return save(leftTriangle(orange, scale), scaled(QStringLiteral("kembali.jpg"), scale), "JPEG", 95);
}

bool drawAwal(int scale)
{
    const TriangleColours grey{QColor(235, 235, 235), QColor(175, 175, 175),
                               QColor(115, 115, 115), QColor(55, 55, 55)};
    return save(leftTriangle(grey, scale), scaled(QStringLiteral("awal.jpg"), scale), "JPEG", 95);
}

// --- main window background ------------------------------------------------

struct Link
{
    QRectF rect;
    bool dark; // which of the two blues leads on this square
};

// A square ring filled with diagonal hatching and edged on both sides.
void drawLinkRing(QPainter &p, const Link &link, double band)
{
    const QColor darkBlue(20, 40, 120);
    const QColor midBlue(70, 120, 200);
    const QColor edge = link.dark ? darkBlue : midBlue;
    const QColor hatch = link.dark ? midBlue : darkBlue;

    QPainterPath ring;
    ring.addRect(link.rect);
    ring.addRect(link.rect.adjusted(band, band, -band, -band));
    ring.setFillRule(Qt::OddEvenFill);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(ring);

    p.setClipPath(ring, Qt::IntersectClip);
    p.setPen(QPen(hatch, 1.1));
    const QRectF r = link.rect;
    const double pitch = link.dark ? 3.5 : 4.5;
    for (double t = -r.height(); t < r.width(); t += pitch)
        p.drawLine(QPointF(r.left() + t, r.bottom()), QPointF(r.left() + t + r.height(), r.top()));
    p.restore();

    p.save();
    p.setPen(QPen(edge, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    p.restore();
}

bool drawLatar(int scale)
{
    QImage image(640 * scale, 480 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // A chain of squares along y = 215, big and small in turn so each pair's
    // bars cross cleanly instead of running side by side.
    const double cy = 215;
    const double band = 8;
    // Enough overlap for two bars and a gap between them; a small square
    // must also be wide enough that its two big neighbours stay apart.
    const double overlap = 3 * band + 4;
    const struct { double size, dy; } layout[] = {
        {72, 2}, {106, -3}, {70, 1}, {110, -1}, {76, 2},
        {104, -2}, {72, 1}, {112, -2}, {74, 2},
    };
    double width = -overlap * (std::size(layout) - 1);
    for (const auto &l : layout)
        width += l.size;
    double left = 315 - width / 2; // centre of the part the window shows
    std::vector<Link> links;
    bool dark = true;
    for (const auto &l : layout) {
        links.push_back({QRectF(left, cy + l.dy - l.size / 2, l.size, l.size), dark});
        left += l.size - overlap;
        dark = !dark;
    }

    for (const Link &link : links)
        drawLinkRing(p, link, band);

    // Bring each square back over its right neighbour along the top edge, so
    // the pair weaves over and under like chain links.
    for (size_t i = 0; i + 1 < links.size(); ++i) {
        const QRectF &a = links[i].rect;
        const QRectF &b = links[i + 1].rect;
        QPainterPath clip;
        clip.addRect(QRectF(b.left() - 2, std::min(a.top(), b.top()) - 2,
                            a.right() - b.left() + 4, std::max(a.top(), b.top()) + band + 4
                                                          - std::min(a.top(), b.top())));
        p.save();
        p.setClipPath(clip);
        drawLinkRing(p, links[i], band);
        p.restore();
    }

    // Two thin rules framing the band, offset against each other.
    p.setPen(QPen(QColor(20, 80, 80), 2));
    p.drawLine(QPointF(0, 142), QPointF(428, 142));
    p.drawLine(QPointF(212, 290), QPointF(640, 290));
    p.end();

    // The copy for high-density displays has no weight to keep to.
    if (scale != 1)
        return save(image, scaled(QStringLiteral("latar.jpg"), scale), "JPEG", 90);

    // Pick the quality that lands the file nearest its intended weight.
    const qsizetype target = 29 * 1024;
    int best = 75;
    qsizetype bestDiff = -1;
    for (int q = 30; q <= 100; ++q) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", q);
        const qsizetype diff = std::abs(bytes.size() - target);
        if (bestDiff < 0 || diff < bestDiff) {
            bestDiff = diff;
            best = q;
        }
    }
    return save(image, QStringLiteral("latar.jpg"), "JPEG", best);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-pictures OUTDIR\n");
        return 2;
    }
    g_outDir = args.at(1);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(g_outDir));
        return 1;
    }

    bool ok = true;
    for (int s : {16, 32, 48, 256})
        ok &= drawSalib(s);
    for (int s : {16, 32}) {
        ok &= drawMulai(s);
        ok &= drawKeluar(s);
        ok &= drawBantuan(s);
        ok &= drawDiagnosa(s);
    }
    // The pictures that are not icons come at twice the size as well, for
    // displays scaled to 200 %.
    for (int scale : {1, 2}) {
        ok &= drawKembali(scale);
        ok &= drawAwal(scale);
        ok &= drawLatar(scale);
    }
    return ok ? 0 : 1;
}
