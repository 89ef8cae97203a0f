// stonegen: draws Orlendra's rune stones and application icons.
//
//   stonegen OUTDIR
//
// writes OUTDIR/stones/NN-name.jpg (24 runes and a blank stone), the same four times as large for
// paper in OUTDIR/stones/print/, and OUTDIR/icon/orlendra-*.png.
// Everything is drawn from the stroke table below and the texture comes from a fixed seed, so
// with the same Qt and libjpeg a rerun gives byte-identical files and git sees no churn.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

using Polyline = std::vector<QPointF>;

struct Rune {
    const char *name;
    std::vector<Polyline> strokes;
};

// Glyph coordinates: staves run from y = 0 (top) to y = 1 (bottom) and x uses the same unit, so
// slopes survive scaling. Glyphs are centred horizontally on their bounding box and vertically on
// the stave box, which keeps short runes (Kenaz, Ingwaz) sitting in the middle like on a real set.
// A polyline whose last point repeats its first is drawn closed, so its corner joins too.
// clang-format off
const std::vector<Rune> &runes()
{
    static const std::vector<Rune> table = {
        {"fehu",     {{{0.00, 0.00}, {0.00, 1.00}},
                      {{0.00, 0.27}, {0.46, 0.00}},
                      {{0.00, 0.54}, {0.46, 0.27}}}},
        {"uruz",     {{{0.00, 1.00}, {0.00, 0.00}, {0.48, 0.34}, {0.48, 1.00}}}},
        {"thurisaz", {{{0.00, 0.00}, {0.00, 1.00}},
                      {{0.00, 0.27}, {0.40, 0.50}, {0.00, 0.73}}}},
        {"ansuz",    {{{0.00, 0.00}, {0.00, 1.00}},
                      {{0.00, 0.00}, {0.44, 0.27}},
                      {{0.00, 0.27}, {0.44, 0.54}}}},
        {"raidho",   {{{0.00, 1.00}, {0.00, 0.00}, {0.42, 0.23}, {0.00, 0.46}, {0.46, 1.00}}}},
        {"kenaz",    {{{0.40, 0.24}, {0.00, 0.50}, {0.40, 0.76}}}},
        {"gebo",     {{{0.00, 0.00}, {0.68, 1.00}},
                      {{0.68, 0.00}, {0.00, 1.00}}}},
        {"wunjo",    {{{0.00, 1.00}, {0.00, 0.00}, {0.40, 0.22}, {0.00, 0.44}}}},
        {"hagalaz",  {{{0.00, 0.00}, {0.00, 1.00}},
                      {{0.56, 0.00}, {0.56, 1.00}},
                      {{0.00, 0.36}, {0.56, 0.64}}}},
        {"nauthiz",  {{{0.24, 0.00}, {0.24, 1.00}},
                      {{0.00, 0.36}, {0.48, 0.62}}}},
        {"isa",      {{{0.00, 0.00}, {0.00, 1.00}}}},
        {"jera",     {{{0.30, 0.06}, {0.00, 0.34}, {0.30, 0.62}},
                      {{0.22, 0.38}, {0.52, 0.66}, {0.22, 0.94}}}},
        {"eihwaz",   {{{0.50, 0.24}, {0.25, 0.00}, {0.25, 1.00}, {0.00, 0.76}}}},
        {"perthro",  {{{0.50, 0.06}, {0.28, 0.27}, {0.00, 0.00}, {0.00, 1.00},
                       {0.28, 0.73}, {0.50, 0.94}}}},
        {"algiz",    {{{0.30, 0.00}, {0.30, 1.00}},
                      {{0.00, 0.06}, {0.30, 0.40}, {0.60, 0.06}}}},
        {"sowilo",   {{{0.46, 0.00}, {0.02, 0.42}, {0.44, 0.58}, {0.00, 1.00}}}},
        {"tiwaz",    {{{0.30, 0.00}, {0.30, 1.00}},
                      {{0.00, 0.30}, {0.30, 0.00}, {0.60, 0.30}}}},
        {"berkano",  {{{0.00, 0.00}, {0.42, 0.25}, {0.00, 0.50}, {0.42, 0.75}, {0.00, 1.00},
                       {0.00, 0.00}}}},
        {"ehwaz",    {{{0.00, 1.00}, {0.00, 0.00}, {0.30, 0.30}, {0.60, 0.00}, {0.60, 1.00}}}},
        {"mannaz",   {{{0.00, 1.00}, {0.00, 0.00}, {0.60, 0.42}},
                      {{0.60, 1.00}, {0.60, 0.00}, {0.00, 0.42}}}},
        {"laguz",    {{{0.00, 1.00}, {0.00, 0.00}, {0.42, 0.30}}}},
        {"ingwaz",   {{{0.22, 0.28}, {0.44, 0.50}, {0.22, 0.72}, {0.00, 0.50}, {0.22, 0.28}}}},
        {"dagaz",    {{{0.00, 0.00}, {0.68, 1.00}, {0.68, 0.00}, {0.00, 1.00}, {0.00, 0.00}}}},
        {"othala",   {{{0.04, 1.00}, {0.60, 0.35}, {0.30, 0.00}, {0.00, 0.35}, {0.56, 1.00}}}},
    };
    return table;
}
// clang-format on

// The flecks must come out the same on every run and every standard library, which rules out
// std::uniform_real_distribution; splitmix64 is tiny and fully defined.
class Rng
{
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

// Three box passes approximate a Gaussian closely enough for shadows, and integer sums keep the
// result exact. Pixels beyond the border count as transparent, which is what a shadow layer wants.
void blur(QImage &image, int radius)
{
    if (radius <= 0)
        return;
    const int w = image.width();
    const int h = image.height();
    const int window = 2 * radius + 1;
    std::vector<std::uint32_t> line(static_cast<std::size_t>(std::max(w, h)));
    std::vector<std::uint32_t> out(line.size());

    auto pass = [&](int count, auto &&at) {
        for (int c = 0; c < 4; ++c) {
            const int shift = 8 * c;
            std::uint32_t sum = 0;
            for (int i = 0; i < std::min(radius, count); ++i)
                sum += (line[static_cast<std::size_t>(i)] >> shift) & 0xFF;
            for (int i = 0; i < count; ++i) {
                const int add = i + radius;
                const int drop = i - radius - 1;
                if (add < count)
                    sum += (line[static_cast<std::size_t>(add)] >> shift) & 0xFF;
                if (drop >= 0)
                    sum -= (line[static_cast<std::size_t>(drop)] >> shift) & 0xFF;
                const std::uint32_t v = (sum + window / 2) / static_cast<std::uint32_t>(window);
                auto &o = out[static_cast<std::size_t>(i)];
                o = (o & ~(0xFFu << shift)) | (v << shift);
            }
        }
        for (int i = 0; i < count; ++i)
            at(i) = out[static_cast<std::size_t>(i)];
    };

    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::copy(row, row + w, line.begin());
            pass(w, [&](int x) -> QRgb & { return row[x]; });
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[static_cast<std::size_t>(y)] =
                    reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
            pass(h,
                 [&](int y) -> QRgb & { return reinterpret_cast<QRgb *>(image.scanLine(y))[x]; });
        }
    }
}

QImage transparentLayer(QSize size)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

// Where and how big to draw. Everything else scales from the stone's radii, so the icons and
// the pictures share one drawing routine.
struct Layout {
    QSize canvas;
    QPointF centre;
    double rx;
    double ry;
    double glyphHeight;    // stave height, as a fraction of the stone's height
    double strokeFraction; // stroke width, as a fraction of the stave height
    double minStroke;      // in pixels: thin strokes vanish into the stone at icon sizes
    bool background;       // opaque backdrop (pictures) or transparent (icons)
    bool texture;          // flecks only pay off when there are pixels enough to carry it
};

// A pebble rather than an ellipse: a touch wider towards the bottom, with a few low harmonics
// so the outline is not machine-perfect.
QPainterPath stoneOutline(const Layout &l)
{
    constexpr int steps = 360;
    QPainterPath path;
    for (int i = 0; i < steps; ++i) {
        const double t = 2.0 * std::numbers::pi * i / steps;
        const double wobble = 1.0 + 0.012 * std::cos(2 * t + 0.9) + 0.010 * std::cos(3 * t + 2.1) +
                              0.006 * std::cos(5 * t + 0.4);
        const double x = l.rx * std::cos(t) * (1.0 + 0.07 * std::sin(t)) * wobble;
        const double y = l.ry * std::sin(t) * wobble;
        const QPointF p = l.centre + QPointF(x, y);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath glyphOutline(const Rune &rune, const Layout &l, double *strokeWidth)
{
    double minX = 1e9;
    double maxX = -1e9;
    for (const Polyline &line : rune.strokes) {
        for (const QPointF &p : line) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
        }
    }
    const double scale = l.glyphHeight * 2.0 * l.ry;
    // The optical middle of an egg sits a little below its geometric centre.
    const QPointF origin =
        l.centre + QPointF(-0.5 * (minX + maxX) * scale, -0.5 * scale + 0.02 * l.ry);

    QPainterPath centreLine;
    for (const Polyline &line : rune.strokes) {
        const bool closed = line.size() > 2 && line.front() == line.back();
        const std::size_t count = closed ? line.size() - 1 : line.size();
        for (std::size_t i = 0; i < count; ++i) {
            const QPointF p = origin + line[i] * scale;
            if (i == 0)
                centreLine.moveTo(p);
            else
                centreLine.lineTo(p);
        }
        if (closed)
            centreLine.closeSubpath();
    }

    *strokeWidth = std::max(l.minStroke, l.strokeFraction * scale);
    QPainterPathStroker stroker;
    stroker.setWidth(*strokeWidth);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QImage render(const Layout &l, const Rune *rune)
{
    const double unit = l.ry / 68.0; // 1 at picture size
    const QPainterPath stone = stoneOutline(l);

    QImage image(l.canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(l.background ? QColor(0xF3, 0xF1, 0xEC) : QColor(Qt::transparent));

    // Cast shadow: soft, offset down and slightly right, as if lit from the upper left.
    {
        QImage shadow = transparentLayer(l.canvas);
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(1.2 * unit, 3.0 * unit);
        p.fillPath(stone, QColor(40, 46, 60, l.background ? 110 : 90));
        p.end();
        blur(shadow, std::max(1, static_cast<int>(std::lround(3.0 * unit))));
        QPainter(&image).drawImage(0, 0, shadow);
    }

    QImage body = transparentLayer(l.canvas);
    QPainter p(&body);
    p.setRenderHint(QPainter::Antialiasing);

    // Base colour: lit from the upper left, falling off into a deeper blue at the far rim.
    {
        QRadialGradient g(l.centre + QPointF(-0.30 * l.rx, -0.38 * l.ry), 1.55 * l.ry);
        g.setColorAt(0.00, QColor(0xDD, 0xEC, 0xF6));
        g.setColorAt(0.35, QColor(0xBF, 0xD8, 0xEC));
        g.setColorAt(0.75, QColor(0x9E, 0xC0, 0xDD));
        g.setColorAt(1.00, QColor(0x7F, 0xA5, 0xC6));
        p.fillPath(stone, g);
    }

    p.setClipPath(stone);

    if (l.texture) {
        // Mottling first (broad, faint, blurred), then fine grain on top of it.
        Rng rng(0x0F0E1E4D7A11ull);
        QImage grain = transparentLayer(l.canvas);
        {
            QPainter gp(&grain);
            gp.setRenderHint(QPainter::Antialiasing);
            gp.setPen(Qt::NoPen);
            for (int i = 0; i < 26; ++i) {
                const QPointF c(rng.uniform(0, l.canvas.width()),
                                rng.uniform(0, l.canvas.height()));
                const double r = rng.uniform(6, 16) * unit;
                const bool light = rng.uniform() < 0.5;
                gp.setBrush(light ? QColor(255, 255, 255, 40) : QColor(40, 70, 110, 34));
                gp.drawEllipse(c, r, r * rng.uniform(0.6, 1.0));
            }
            gp.end();
            blur(grain, std::max(1, static_cast<int>(std::lround(4.0 * unit))));

            gp.begin(&grain);
            gp.setRenderHint(QPainter::Antialiasing);
            gp.setPen(Qt::NoPen);
            const int dots = static_cast<int>(l.canvas.width() * l.canvas.height() / 22);
            for (int i = 0; i < dots; ++i) {
                const QPointF c(rng.uniform(0, l.canvas.width()),
                                rng.uniform(0, l.canvas.height()));
                const double r = rng.uniform(0.25, 0.75) * unit;
                const int alpha = static_cast<int>(rng.uniform(25, 70));
                const double kind = rng.uniform();
                if (kind < 0.55)
                    gp.setBrush(QColor(50, 80, 115, alpha));
                else if (kind < 0.9)
                    gp.setBrush(QColor(255, 255, 255, alpha));
                else
                    gp.setBrush(QColor(120, 110, 100, alpha)); // the odd grain of another mineral
                gp.drawEllipse(c, r, r);
            }
        }
        p.drawImage(0, 0, grain);

        // Per-pixel grain gives the surface its matte, slightly sandy feel.
        QImage fine = transparentLayer(l.canvas);
        for (int y = 0; y < fine.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(fine.scanLine(y));
            for (int x = 0; x < fine.width(); ++x) {
                const double v = rng.uniform(-1.0, 1.0);
                const int a = static_cast<int>(std::lround(std::abs(v) * 20.0));
                row[x] = v > 0 ? qRgba(a, a, a, a) : qRgba(0, a / 6, a / 3, a);
            }
        }
        p.drawImage(0, 0, fine);
    }

    // Rim: the curved flank turns away from the viewer and darkens; a scaled radial gradient
    // follows the oval instead of a circle.
    {
        QRadialGradient g(QPointF(0, 0), 1.0);
        g.setColorAt(0.00, QColor(20, 50, 90, 0));
        g.setColorAt(0.78, QColor(20, 50, 90, 0));
        g.setColorAt(0.93, QColor(20, 50, 90, 35));
        g.setColorAt(1.00, QColor(20, 50, 90, 80));
        QBrush brush(g);
        brush.setTransform(QTransform()
                               .translate(l.centre.x() - 0.05 * l.rx, l.centre.y() - 0.04 * l.ry)
                               .scale(1.06 * l.rx, 1.02 * l.ry));
        p.fillPath(stone, brush);
    }

    // Soft sheen on the lit shoulder.
    {
        QImage sheen = transparentLayer(l.canvas);
        QPainter sp(&sheen);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(255, 255, 255, 70));
        sp.drawEllipse(l.centre + QPointF(-0.38 * l.rx, -0.52 * l.ry), 0.26 * l.rx, 0.20 * l.ry);
        sp.end();
        blur(sheen, std::max(1, static_cast<int>(std::lround(5.0 * unit))));
        p.drawImage(0, 0, sheen);
    }

    if (rune) {
        double width = 0;
        const QPainterPath glyph = glyphOutline(*rune, l, &width);

        // A dark halo, dropped slightly, so the white reads against the pale stone.
        QImage halo = transparentLayer(l.canvas);
        QPainter hp(&halo);
        hp.setRenderHint(QPainter::Antialiasing);
        hp.translate(0.5 * unit, 1.0 * unit);
        hp.fillPath(glyph, QColor(20, 50, 90, 150));
        hp.end();
        blur(halo, std::max(1, static_cast<int>(std::lround(1.5 * unit))));
        p.drawImage(0, 0, halo);

        QLinearGradient paint(l.centre - QPointF(0, l.ry), l.centre + QPointF(0, l.ry));
        paint.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        paint.setColorAt(1.0, QColor(0xEC, 0xF3, 0xF8));
        p.fillPath(glyph, paint);
    }

    p.setClipping(false);
    // A faint outline keeps the silhouette crisp against a light background.
    p.setPen(QPen(QColor(40, 70, 105, 70), 0.8 * std::max(1.0, unit)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stone);
    p.end();

    QPainter(&image).drawImage(0, 0, body);
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality)
{
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "stonegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Antialiased QPainter on a QImage wants a GUI application, but never a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: stonegen OUTDIR\n"
                             "writes OUTDIR/stones/*.jpg and OUTDIR/icon/*.png\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("stones/print") || !out.mkpath("icon")) {
        std::fprintf(stderr, "stonegen: cannot create folders under %s\n", argv[1]);
        return 1;
    }

    // 113 x 151 is what the lesson cards lay out; the stone fills it with room for its shadow.
    const Layout picture{
        QSize(113, 151), QPointF(56.0, 73.0), 48.0, 68.0, 0.57, 0.105, 0.0, true, true};

    // Four times as large for paper: a picture printed 38 mm wide still has 300 dots an inch.
    // On white, the paper's own colour, where the screen's are on the windows' backdrop.
    const Layout print{
        QSize(452, 604), QPointF(224.0, 292.0), 192.0, 272.0, 0.57, 0.105, 0.0, false, true};

    bool ok = true;
    const std::vector<Rune> &table = runes();
    for (std::size_t i = 0; i <= table.size(); ++i) {
        const Rune *rune = i < table.size() ? &table[i] : nullptr;
        const QString name = QString("%1-%2.jpg")
                                 .arg(static_cast<int>(i + 1), 2, 10, QChar('0'))
                                 .arg(rune ? rune->name : "blank");
        const QImage image = render(picture, rune).convertToFormat(QImage::Format_RGB32);
        ok = save(image, out.filePath("stones/" + name), "JPG", 95) && ok;
        QImage large(print.canvas, QImage::Format_RGB32);
        large.fill(Qt::white);
        QPainter(&large).drawImage(0, 0, render(print, rune));
        ok = save(large, out.filePath("stones/print/" + name), "JPG", 90) && ok;
    }

    // Othala, the O rune, stands for the app. Icons get their own layout rather than a
    // downscaled picture: at 32 px the strokes need to be proportionally heavier to survive.
    const Rune &othala = table[23];
    const Layout icon256{
        QSize(256, 256), QPointF(127.0, 124.0), 97.0, 118.0, 0.57, 0.11, 0.0, false, true};
    const Layout icon32{QSize(32, 32), QPointF(15.8, 15.4), 12.4, 14.8, 0.62, 0.15, 2.3, false,
                        false};
    ok = save(render(icon256, &othala), out.filePath("icon/orlendra-256.png"), "PNG", -1) && ok;
    // The window icon set: small enough to decode in no time at start-up.
    const Layout icon64{QSize(64, 64), QPointF(31.8, 31.0), 24.3, 29.5, 0.58, 0.12, 1.6, false,
                        false};
    ok = save(render(icon32, &othala), out.filePath("icon/orlendra-32.png"), "PNG", -1) && ok;
    ok = save(render(icon64, &othala), out.filePath("icon/orlendra-64.png"), "PNG", -1) && ok;

    return ok ? 0 : 1;
}
