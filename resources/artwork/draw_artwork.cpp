// draw_artwork.cpp - draws the Tilvex icons and splash picture with QPainter.
//
// A standalone helper; it is not part of the CMake build. To regenerate the
// PNGs under resources/images and resources/toolbar, from the repository root:
//
//   g++ -std=c++20 -fPIC resources/artwork/draw_artwork.cpp -o /tmp/draw_artwork \
//       $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_artwork resources
//
// The application icon also goes to resources/icons/hicolor, the icon theme's
// layout that the install rules copy: PNGs of the usual sizes and an SVG
// (Debian package qt6-svg-dev for the SVG writer).
//
// The argument is the resources folder (default: the current directory). The
// splash text uses the "DejaVu Sans" font (Debian package fonts-dejavu-core).
//
// Small icons are drawn on a 16 (or 20) unit grid with one-unit lines placed
// on half units, so that they land on whole pixels at 1x and 2x.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using DrawFn = std::function<void(QPainter&)>;

QString g_root;

QImage render(int w, int h, double scale, const DrawFn& fn) {
    QImage img(int(std::lround(w * scale)), int(std::lround(h * scale)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    fn(p);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

void save(const QImage& img, const QString& rel) {
    const QString path = g_root + "/" + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s (%dx%d)\n", qPrintable(rel), img.width(), img.height());
}

// Writes name.png at size x size and name@2x.png at twice that.
void saveIcon(const QString& dir, const QString& name, int size, const DrawFn& fn) {
    save(render(size, size, 1.0, fn), dir + "/" + name + ".png");
    save(render(size, size, 2.0, fn), dir + "/" + name + "@2x.png");
}

QPen pen(const QColor& c, double w = 1.0) {
    return QPen(c, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QLinearGradient vgrad(double y0, double y1, const QColor& a, const QColor& b) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// ---------------------------------------------------------------------------
// Folders (16 unit grid)

const QColor kFolderLine(0x8a, 0x5d, 0x00);

void folderBack(QPainter& p) {
    QPainterPath back;
    back.moveTo(1.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7.0, 4.0);
    back.lineTo(14.5, 4.0);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.setPen(pen(kFolderLine));
    p.setBrush(vgrad(2, 14, QColor(0xf0, 0xb8, 0x3a), QColor(0xd0, 0x90, 0x18)));
    p.drawPath(back);
}

void drawFolderClosed(QPainter& p) {
    folderBack(p);
    p.setPen(pen(kFolderLine));
    p.setBrush(vgrad(5, 14, QColor(0xff, 0xe4, 0x8a), QColor(0xf4, 0xbb, 0x38)));
    p.drawRect(QRectF(1.5, 5.5, 13, 8));
    p.setPen(pen(QColor(255, 255, 255, 170)));
    p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 6.5));
}

void drawFolderOpen(QPainter& p) {
    folderBack(p);
    // A sheet of paper inside.
    p.setPen(pen(QColor(0x80, 0x80, 0x80)));
    p.setBrush(QColor(0xfc, 0xfc, 0xfc));
    p.drawRect(QRectF(3.5, 3.5, 9, 6));
    // Front flap, tipped forward.
    QPainterPath front;
    front.moveTo(4.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.0, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    p.setPen(pen(kFolderLine));
    p.setBrush(vgrad(7, 14, QColor(0xff, 0xe8, 0x96), QColor(0xf4, 0xbb, 0x38)));
    p.drawPath(front);
    p.setPen(pen(QColor(255, 255, 255, 170)));
    p.drawLine(QPointF(5.0, 8.5), QPointF(14.0, 8.5));
}

// ---------------------------------------------------------------------------
// Satellites

const QColor kPanelLine(0x0f, 0x26, 0x58);
const QColor kBodyLine(0x6b, 0x45, 0x08);

void solarPanel(QPainter& p, const QRectF& r, int cols, int rows) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x5a, 0x8c, 0xe0));
    g.setColorAt(1, QColor(0x1c, 0x44, 0x9a));
    p.setPen(pen(kPanelLine));
    p.setBrush(g);
    p.drawRect(r);
    p.setPen(pen(QColor(0xa8, 0xc8, 0xf4, 200)));
    for (int i = 1; i < cols; ++i) {
        const double x = r.left() + r.width() * i / cols;
        p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 1));
    }
    for (int i = 1; i < rows; ++i) {
        const double y = r.top() + r.height() * i / rows;
        p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    }
}

void satBody(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xff, 0xdc, 0x70));
    g.setColorAt(1, QColor(0xc0, 0x84, 0x18));
    p.setPen(pen(kBodyLine));
    p.setBrush(g);
    p.drawRect(r);
}

// 16 unit satellite: panels, body and a small dish on top.
void drawSatellite16(QPainter& p) {
    p.setPen(pen(QColor(0x50, 0x50, 0x50)));
    p.drawLine(QPointF(5.0, 8.5), QPointF(6.0, 8.5));
    p.drawLine(QPointF(10.0, 8.5), QPointF(11.0, 8.5));
    solarPanel(p, QRectF(0.5, 3.5, 4, 9), 2, 3);
    solarPanel(p, QRectF(11.5, 3.5, 4, 9), 2, 3);
    satBody(p, QRectF(6.5, 5.5, 3, 7));
    // Dish on a short mast on top of the body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x60, 0x60));
    p.drawRect(QRectF(7, 3, 2, 2));
    p.setPen(pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(QColor(0xee, 0xee, 0xee));
    QPainterPath dish;
    dish.moveTo(5.5, 0.5);
    dish.quadTo(8.0, 4.5, 10.5, 0.5);
    dish.closeSubpath();
    p.drawPath(dish);
}

// 20 unit satellite for the tab.
void drawSatellite20(QPainter& p) {
    p.setPen(pen(QColor(0x50, 0x50, 0x50)));
    p.drawLine(QPointF(7.0, 10.5), QPointF(8.0, 10.5));
    p.drawLine(QPointF(12.0, 10.5), QPointF(13.0, 10.5));
    solarPanel(p, QRectF(0.5, 4.5, 6, 12), 2, 4);
    solarPanel(p, QRectF(13.5, 4.5, 6, 12), 2, 4);
    satBody(p, QRectF(8.5, 6.5, 3, 9));
    p.setPen(pen(QColor(255, 255, 255, 140)));
    p.drawLine(QPointF(9.5, 7.5), QPointF(9.5, 14.5));
    // Dish on a short mast on top of the body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x60, 0x60));
    p.drawRect(QRectF(9, 4, 2, 2));
    p.setPen(pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    QPainterPath dish;
    dish.moveTo(6.5, 0.5);
    dish.quadTo(10.0, 5.5, 13.5, 0.5);
    dish.closeSubpath();
    p.drawPath(dish);
}

// Vector satellite for the larger pictures, centred on c, span about 'size'
// wide, turned by 'deg' degrees.
void drawSatelliteVec(QPainter& p, QPointF c, double size, double deg) {
    p.save();
    p.translate(c);
    p.rotate(deg);
    const double s = size / 20.0;
    p.scale(s, s);
    QPen strut(QColor(0x9a, 0x9a, 0xa0), 1.0);
    p.setPen(strut);
    p.drawLine(QPointF(-6, 0), QPointF(6, 0));
    auto panel = [&](double x0) {
        QRectF r(x0, -3.0, 7.0, 6.0);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(0x6a, 0x9c, 0xf0));
        g.setColorAt(1, QColor(0x1c, 0x44, 0x9a));
        p.setPen(QPen(QColor(0x0f, 0x26, 0x58), 0.6));
        p.setBrush(g);
        p.drawRect(r);
        p.setPen(QPen(QColor(0xb8, 0xd4, 0xff, 180), 0.35));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(x0 + 7.0 * i / 4, -3.0), QPointF(x0 + 7.0 * i / 4, 3.0));
        p.drawLine(QPointF(x0, 0), QPointF(x0 + 7.0, 0));
    };
    panel(-10.0);
    panel(3.0);
    QRectF body(-2.2, -2.6, 4.4, 5.2);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(0xff, 0xe2, 0x80));
    g.setColorAt(1, QColor(0xb8, 0x7c, 0x14));
    p.setPen(QPen(QColor(0x6b, 0x45, 0x08), 0.5));
    p.setBrush(g);
    p.drawRect(body);
    // Small dish facing down, towards the Earth.
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.4));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    QPainterPath d;
    d.moveTo(-2.0, 4.6);
    d.quadTo(0.0, 2.0, 2.0, 4.6);
    d.closeSubpath();
    p.drawPath(d);
    p.restore();
}

// ---------------------------------------------------------------------------
// Globe and pin

// Globe in a box whose top left corner is (x, y), 'd' units across; lines are
// one unit wide in the caller's coordinates.
void drawGlobe(QPainter& p, double x, double y, double d) {
    const double r = d / 2.0 - 0.5;
    const QPointF c(x + d / 2.0, y + d / 2.0);
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    g.setColorAt(0, QColor(0x8c, 0xd0, 0xff));
    g.setColorAt(0.6, QColor(0x2e, 0x7c, 0xd0));
    g.setColorAt(1, QColor(0x14, 0x4a, 0x9a));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);

    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    // Two green land masses.
    p.setBrush(QColor(0x4c, 0xb0, 0x4a));
    QPainterPath land;
    land.moveTo(c + QPointF(-r * 0.9, -r * 0.5));
    land.cubicTo(c + QPointF(-r * 0.4, -r * 0.9), c + QPointF(-r * 0.05, -r * 0.5),
                 c + QPointF(-r * 0.2, -r * 0.1));
    land.cubicTo(c + QPointF(-r * 0.35, r * 0.2), c + QPointF(-r * 0.25, r * 0.7),
                 c + QPointF(-r * 0.55, r * 0.8));
    land.cubicTo(c + QPointF(-r * 0.9, r * 0.5), c + QPointF(-r * 1.1, 0), c + QPointF(-r * 0.9, -r * 0.5));
    land.moveTo(c + QPointF(r * 0.25, -r * 0.75));
    land.cubicTo(c + QPointF(r * 0.8, -r * 0.8), c + QPointF(r * 1.0, -r * 0.2),
                 c + QPointF(r * 0.7, r * 0.1));
    land.cubicTo(c + QPointF(r * 0.6, r * 0.5), c + QPointF(r * 0.3, r * 0.6), c + QPointF(r * 0.3, r * 0.2));
    land.cubicTo(c + QPointF(r * 0.1, -r * 0.1), c + QPointF(r * 0.0, -r * 0.5),
                 c + QPointF(r * 0.25, -r * 0.75));
    p.drawPath(land);

    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xf6, 0xff, 150), d / 16.0));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawEllipse(c, r * 0.5, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const double py = std::round(r * 0.5);  // keeps the lines on whole pixels
    p.drawLine(QPointF(c.x() - r, c.y() - py), QPointF(c.x() + r, c.y() - py));
    p.drawLine(QPointF(c.x() - r, c.y() + py), QPointF(c.x() + r, c.y() + py));
    p.restore();

    p.setPen(QPen(QColor(0x0c, 0x30, 0x6a), d / 16.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

void drawGlobe16(QPainter& p) {
    drawGlobe(p, 0.0, 0.0, 15.0);
}

void drawPin(QPainter& p, QPointF head, double r, double tipY) {
    QPainterPath pin;
    pin.moveTo(head.x(), tipY);
    pin.cubicTo(QPointF(head.x() - r * 0.3, tipY - r * 1.0), QPointF(head.x() - r, head.y() + r * 0.8),
                QPointF(head.x() - r, head.y()));
    pin.arcTo(QRectF(head.x() - r, head.y() - r, 2 * r, 2 * r), 180, -180);
    pin.cubicTo(QPointF(head.x() + r, head.y() + r * 0.8), QPointF(head.x() + r * 0.3, tipY - r * 1.0),
                QPointF(head.x(), tipY));
    pin.closeSubpath();
    QLinearGradient g(head.x() - r, 0, head.x() + r, 0);
    g.setColorAt(0, QColor(0xff, 0x6a, 0x5a));
    g.setColorAt(1, QColor(0xc0, 0x1c, 0x14));
    // White halo so the pin stands off the globe.
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pin);
    p.setPen(QPen(QColor(0x70, 0x0c, 0x08), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(head, r * 0.38, r * 0.38);
}

void drawTabLocations(QPainter& p) {
    drawGlobe(p, 0.5, 3.5, 16.0);
    drawPin(p, QPointF(14.5, 5.5), 4.0, 15.0);
}

// ---------------------------------------------------------------------------
// Satellite dish

// Dish whose rim centre is 'rim', rim radius R, aimed 'aimDeg' degrees above
// the horizontal towards the right; stands on a pole down to 'groundY'.
void drawDish(QPainter& p, QPointF rim, double R, double aimDeg, double groundY, const QColor& line,
              double lw) {
    const double a = aimDeg * M_PI / 180.0;
    const QPointF axis(std::cos(a), -std::sin(a));
    const double depth = R * 0.42;
    const QPointF back = rim - axis * depth;

    // Mount: a bracket from the back of the dish to a pole.
    const QPointF poleTop(back.x() - R * 0.05, back.y() + R * 0.35);
    QLinearGradient pg(poleTop.x() - R * 0.1, 0, poleTop.x() + R * 0.1, 0);
    pg.setColorAt(0, QColor(0xd8, 0xdc, 0xe4));
    pg.setColorAt(1, QColor(0x8a, 0x90, 0x9c));
    p.setPen(QPen(line, lw));
    p.setBrush(pg);
    const double pw = R * 0.14;
    p.drawRect(QRectF(poleTop.x() - pw / 2, poleTop.y(), pw, groundY - poleTop.y()));
    p.setPen(QPen(line, lw, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(0xc8, 0xcc, 0xd4));
    QPainterPath bracket;
    bracket.moveTo(poleTop + QPointF(-pw * 0.8, pw * 0.4));
    bracket.lineTo(back + axis * (R * 0.05) + QPointF(-pw * 0.3, -pw * 0.3));
    bracket.lineTo(back + axis * (R * 0.15) + QPointF(pw * 0.5, pw * 0.5));
    bracket.lineTo(poleTop + QPointF(pw * 0.8, pw * 0.4));
    bracket.closeSubpath();
    p.drawPath(bracket);
    // Foot.
    p.setPen(QPen(line, lw));
    p.setBrush(QColor(0xa8, 0xae, 0xb8));
    p.drawRoundedRect(QRectF(poleTop.x() - R * 0.4, groundY - R * 0.12, R * 0.8, R * 0.16), R * 0.05,
                      R * 0.05);

    p.save();
    p.translate(rim);
    p.rotate(-aimDeg);
    // Bowl seen from the side.
    QPainterPath bowl;
    bowl.moveTo(0, -R);
    bowl.cubicTo(-depth * 0.9, -R * 0.75, -depth * 1.35, -R * 0.25, -depth * 1.35, 0);
    bowl.cubicTo(-depth * 1.35, R * 0.25, -depth * 0.9, R * 0.75, 0, R);
    bowl.closeSubpath();
    QLinearGradient bg(0, -R, 0, R);
    bg.setColorAt(0, QColor(0xff, 0xff, 0xff));
    bg.setColorAt(1, QColor(0xb8, 0xc0, 0xcc));
    p.setPen(QPen(line, lw));
    p.setBrush(bg);
    p.drawPath(bowl);
    // Rim and the inside of the dish.
    QLinearGradient fg(-R * 0.3, -R, R * 0.3, R);
    fg.setColorAt(0, QColor(0xff, 0xff, 0xff));
    fg.setColorAt(0.6, QColor(0xe6, 0xea, 0xf0));
    fg.setColorAt(1, QColor(0xb4, 0xbc, 0xc8));
    p.setBrush(fg);
    p.drawEllipse(QPointF(0, 0), R * 0.3, R);
    // Feed arm and LNB at the focus.
    const double f = R * 0.95;
    p.setPen(QPen(line, lw * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(R * 0.05, R * 0.9), QPointF(f - R * 0.1, R * 0.04));
    p.setPen(QPen(QColor(0xe8, 0xea, 0xee), lw * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(R * 0.05, R * 0.9), QPointF(f - R * 0.1, R * 0.04));
    p.setPen(QPen(line, lw));
    p.setBrush(QColor(0xf4, 0xf4, 0xf6));
    p.drawRoundedRect(QRectF(f - R * 0.28, -R * 0.09, R * 0.34, R * 0.18), R * 0.04, R * 0.04);
    p.restore();
}

// ---------------------------------------------------------------------------
// Application icon (64 unit grid)

void drawAppIcon(QPainter& p) {
    // Night-sky tile.
    QRectF tile(2, 2, 60, 60);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0, QColor(0x07, 0x14, 0x38));
    sky.setColorAt(0.7, QColor(0x14, 0x3c, 0x80));
    sky.setColorAt(1, QColor(0x2a, 0x66, 0xb4));
    p.setPen(QPen(QColor(0x04, 0x0c, 0x24), 1.0));
    p.setBrush(sky);
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 11, 11);

    p.save();
    QPainterPath clip;
    clip.addRoundedRect(tile.adjusted(1, 1, -1, -1), 10.5, 10.5);
    p.setClipPath(clip);
    // Stars.
    p.setPen(Qt::NoPen);
    const QPointF stars[] = {{10, 10}, {22, 7}, {33, 14}, {14, 22}, {27, 24},
                             {56, 34}, {40, 6}, {8, 33},  {46, 28}, {20, 36}};
    for (int i = 0; i < 10; ++i) {
        p.setBrush(QColor(255, 255, 255, i % 3 == 0 ? 230 : 150));
        const double rr = i % 3 == 0 ? 0.8 : 0.55;
        p.drawEllipse(stars[i], rr, rr);
    }
    // Ground: a curve of the Earth.
    QRadialGradient eg(QPointF(32, 150), 100);
    eg.setColorAt(0.90, QColor(0x0a, 0x22, 0x40));
    eg.setColorAt(0.985, QColor(0x1a, 0x4a, 0x70));
    eg.setColorAt(1.0, QColor(0x6a, 0xc0, 0xff));
    p.setBrush(eg);
    // Cut to the tile by hand: the SVG writer keeps no clip path.
    QPainterPath ground;
    ground.addEllipse(QPointF(32, 150), 100, 100);
    p.drawPath(ground.intersected(clip));
    // Beam from the dish to the satellite.
    QPen beam(QColor(0xff, 0xe6, 0x8a, 200), 1.2, Qt::DotLine, Qt::RoundCap);
    p.setPen(beam);
    const QPointF feed(31.5, 27.5);
    const QPointF sat(48, 16);
    p.drawLine(feed, sat);
    p.restore();

    drawSatelliteVec(p, sat, 22, -35);
    drawDish(p, QPointF(24, 34), 12.5, 40, 51, QColor(0x2a, 0x34, 0x48), 1.0);
}

// ---------------------------------------------------------------------------
// Splash picture, 480 x 300

QPointF arcPoint(double t)  // t = 0 .. pi, left to right along the arc
{
    const QPointF c(270, 330);
    const double rx = 330, ry = 200;
    return {c.x() - rx * std::cos(t), c.y() - ry * std::sin(t)};
}

void drawSplash(QPainter& p) {
    const double W = 480, H = 300;
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(0x03, 0x08, 0x1c));
    sky.setColorAt(0.45, QColor(0x0a, 0x1e, 0x4a));
    sky.setColorAt(0.8, QColor(0x16, 0x3e, 0x84));
    sky.setColorAt(1, QColor(0x24, 0x5c, 0xa8));
    p.fillRect(QRectF(0, 0, W, H), sky);

    // Stars, from a fixed seed so the picture is reproducible.
    QRandomGenerator rng(20240611u);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 150; ++i) {
        const double x = rng.bounded(W);
        const double y = rng.bounded(230.0);
        const double b = rng.bounded(1.0);
        const int alpha = int(60 + 170 * b * (1.0 - y / 300.0));
        const double r = 0.35 + 0.75 * b * b;
        p.setBrush(QColor(0xff, 0xff, 0xff, alpha));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    // A few brighter stars with a soft glow.
    const QPointF bright[] = {{412, 34}, {318, 62}, {188, 138}, {452, 112}};
    for (const QPointF& s : bright) {
        QRadialGradient gl(s, 4.0);
        gl.setColorAt(0, QColor(255, 255, 255, 220));
        gl.setColorAt(0.3, QColor(200, 220, 255, 90));
        gl.setColorAt(1, QColor(200, 220, 255, 0));
        p.setBrush(gl);
        p.drawEllipse(s, 4.0, 4.0);
    }

    // The geostationary arc: a dotted curve of small round dots.
    const int nDots = 150;
    for (int i = 0; i <= nDots; ++i) {
        const double t = 0.02 + (M_PI - 0.04) * i / nDots;
        const QPointF q = arcPoint(t);
        const int alpha = int(90 + 110 * std::sin(t));
        p.setBrush(QColor(0xa8, 0xcc, 0xff, alpha));
        p.drawEllipse(q, 0.95, 0.95);
    }

    // Earth and the glow of its atmosphere.
    const QPointF ec(240, 1245);
    const double er = 1000;
    QRadialGradient glow(ec, er + 26);
    glow.setColorAt(er / (er + 26) - 0.0005, QColor(0x7c, 0xc4, 0xff, 200));
    glow.setColorAt(er / (er + 26) + 0.004, QColor(0x50, 0x9c, 0xf0, 90));
    glow.setColorAt(1, QColor(0x30, 0x70, 0xd0, 0));
    p.setBrush(glow);
    p.drawEllipse(ec, er + 26, er + 26);
    QLinearGradient earth(0, 245, 0, H);
    earth.setColorAt(0, QColor(0x12, 0x38, 0x5c));
    earth.setColorAt(0.25, QColor(0x0a, 0x22, 0x3c));
    earth.setColorAt(1, QColor(0x04, 0x0e, 0x1c));
    p.setBrush(earth);
    p.drawEllipse(ec, er, er);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8, 0xe2, 0xff, 200), 1.0));
    p.drawEllipse(ec, er, er);

    // Satellites along the arc; the dish aims at the brightest one.
    const double ts[] = {0.76, 1.06, 1.38, 1.72, 2.0, 2.22};
    const double target = 1.38;
    const double dishX = 78;
    const double groundY = ec.y() - std::sqrt(er * er - (dishX - ec.x()) * (dishX - ec.x()));
    const QPointF rim(dishX + 14, groundY - 46);
    const QPointF satT = arcPoint(target);
    const QPointF d = satT - rim;
    const double aim = std::atan2(-d.y(), d.x()) * 180.0 / M_PI;
    // Faint beam from the feed to the satellite.
    {
        const double a = aim * M_PI / 180.0;
        const QPointF feed = rim + QPointF(std::cos(a), -std::sin(a)) * 29.0;
        QLinearGradient bg(feed, satT);
        bg.setColorAt(0, QColor(0xff, 0xe8, 0x9a, 150));
        bg.setColorAt(1, QColor(0xff, 0xe8, 0x9a, 30));
        p.setPen(QPen(QBrush(bg), 1.0, Qt::DashLine, Qt::RoundCap));
        p.drawLine(feed, satT - d / std::hypot(d.x(), d.y()) * 10.0);
    }
    for (double t : ts) {
        const QPointF q = arcPoint(t);
        // Turn each satellite to lie along the arc.
        const QPointF q2 = arcPoint(t + 0.01);
        const double ang = std::atan2(q2.y() - q.y(), q2.x() - q.x()) * 180.0 / M_PI;
        if (t == target) {
            QRadialGradient gl(q, 16);
            gl.setColorAt(0, QColor(0xff, 0xf0, 0xb0, 90));
            gl.setColorAt(1, QColor(0xff, 0xf0, 0xb0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(gl);
            p.drawEllipse(q, 16, 16);
        }
        drawSatelliteVec(p, q, t == target ? 26 : 18, ang);
    }
    drawDish(p, rim, 30, aim, groundY + 2, QColor(0x1c, 0x26, 0x3a), 1.0);

    // Title and subtitle.
    QFont title("DejaVu Sans");
    title.setPixelSize(54);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 98);
    p.setFont(title);
    std::printf("title font: %s\n", qPrintable(QFontInfo(title).family()));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(QPointF(30, 72), "Tilvex");
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(QPointF(28, 70), "Tilvex");
    QFont sub("DejaVu Sans");
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(0xc8, 0xdc, 0xf8));
    p.drawText(QPointF(31, 97), "Satellite dish look angles");
    // Thin rule under the title.
    QLinearGradient rule(31, 0, 250, 0);
    rule.setColorAt(0, QColor(0xff, 0xd8, 0x70, 220));
    rule.setColorAt(1, QColor(0xff, 0xd8, 0x70, 0));
    p.setPen(QPen(QBrush(rule), 1.5));
    p.drawLine(QPointF(31, 81), QPointF(250, 81));

    QFont ver("DejaVu Sans");
    ver.setPixelSize(11);
    p.setFont(ver);
    p.setPen(QColor(0x9c, 0xb4, 0xd8));
    const QString v = "Version 0.1";
    const double vw = QFontMetricsF(ver).horizontalAdvance(v);
    p.drawText(QPointF(W - 12 - vw, H - 11), v);
}

// ---------------------------------------------------------------------------
// Toolbar (16 unit grid)

void drawNew(QPainter& p) {
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(pen(QColor(0x6a, 0x6a, 0x6a)));
    p.setBrush(vgrad(0, 16, QColor(0xff, 0xff, 0xff), QColor(0xe2, 0xe6, 0xec)));
    p.drawPath(page);
    QPainterPath ear;
    ear.moveTo(9.5, 0.5);
    ear.lineTo(9.5, 4.5);
    ear.lineTo(13.5, 4.5);
    ear.closeSubpath();
    p.setBrush(QColor(0xd4, 0xd8, 0xde));
    p.drawPath(ear);
}

// The sky view: the geostationary arc over the horizon, a satellite on it.
void drawSkyView(QPainter& p) {
    p.setPen(pen(QColor(0x1f, 0x5f, 0xbf), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 4.5, 13, 18), 20 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawEllipse(QPointF(8, 4.5), 2, 2);
    p.setPen(pen(QColor(0x6a, 0x6a, 0x6a)));
    p.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
}

void drawSave(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(13.0, 1.5);
    disk.lineTo(14.5, 3.0);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setPen(pen(QColor(0x14, 0x2c, 0x5a)));
    p.setBrush(vgrad(1, 15, QColor(0x4a, 0x7c, 0xcc), QColor(0x24, 0x4c, 0x96)));
    p.drawPath(disk);
    // Metal shutter with its window.
    p.setPen(pen(QColor(0x50, 0x58, 0x64)));
    p.setBrush(vgrad(1, 6, QColor(0xf0, 0xf2, 0xf4), QColor(0xb4, 0xba, 0xc4)));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x24, 0x4c, 0x96));
    p.drawRect(QRectF(9, 2, 2, 4));
    // Label.
    p.setPen(pen(QColor(0x14, 0x2c, 0x5a)));
    p.setBrush(QColor(0xfc, 0xfc, 0xfc));
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(pen(QColor(0x9a, 0xb0, 0xd0)));
    p.drawLine(QPointF(5.0, 10.5), QPointF(11.0, 10.5));
    p.drawLine(QPointF(5.0, 12.5), QPointF(11.0, 12.5));
}

void drawPrint(QPainter& p) {
    // Paper going in.
    p.setPen(pen(QColor(0x78, 0x78, 0x78)));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(3.5, 0.5, 9, 6));
    // Body.
    p.setPen(pen(QColor(0x44, 0x48, 0x50)));
    p.setBrush(vgrad(5, 13, QColor(0xe4, 0xe8, 0xee), QColor(0x98, 0x9e, 0xaa)));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 7), 1.0, 1.0);
    p.setPen(pen(QColor(255, 255, 255, 180)));
    p.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));
    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xc8, 0x3c));
    p.drawRect(QRectF(12, 8, 2, 1));
    // Printed sheet coming out.
    p.setPen(pen(QColor(0x78, 0x78, 0x78)));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(3.5, 10.5, 9, 5));
    p.setPen(pen(QColor(0x50, 0x50, 0x50)));
    p.drawLine(QPointF(5.0, 12.5), QPointF(11.0, 12.5));
    p.drawLine(QPointF(5.0, 14.0), QPointF(9.0, 14.0));
}

void drawHelp(QPainter& p) {
    // Arrow pointer.
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 13.0);
    arrow.lineTo(4.2, 10.4);
    arrow.lineTo(6.2, 14.8);
    arrow.lineTo(7.9, 14.0);
    arrow.lineTo(5.9, 9.7);
    arrow.lineTo(9.5, 9.5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    // Question mark in a blue disc.
    QRadialGradient g(QPointF(10.5, 3.5), 6);
    g.setColorAt(0, QColor(0x6c, 0xa8, 0xff));
    g.setColorAt(1, QColor(0x1a, 0x52, 0xc0));
    p.setPen(QPen(QColor(0x0c, 0x2c, 0x78), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(11.0, 5.0), 4.5, 4.5);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(6.5, 0.5, 9.0, 9.0), Qt::AlignCenter, "?");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    g_root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    saveIcon("images", "folder_closed", 16, drawFolderClosed);
    saveIcon("images", "folder_open", 16, drawFolderOpen);
    saveIcon("images", "satellite", 16, drawSatellite16);
    saveIcon("images", "globe", 16, drawGlobe16);
    saveIcon("images", "tab_satellites", 20, drawSatellite20);
    saveIcon("images", "tab_locations", 20, drawTabLocations);

    save(render(64, 64, 1.0, drawAppIcon), "images/tilvex.png");
    save(render(64, 64, 4.0, drawAppIcon), "images/tilvex-256.png");
    save(render(480, 300, 1.0, drawSplash), "images/splash.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        save(render(64, 64, size / 64.0, drawAppIcon),
             QString("icons/hicolor/%1x%1/apps/tilvex.png").arg(size));
    {
        const QString rel = "icons/hicolor/scalable/apps/tilvex.svg";
        QDir().mkpath(g_root + "/icons/hicolor/scalable/apps");
        QSvgGenerator svg;
        svg.setFileName(g_root + "/" + rel);
        svg.setSize(QSize(64, 64));
        svg.setViewBox(QRectF(0, 0, 64, 64));
        svg.setTitle("Tilvex");
        QPainter p(&svg);
        p.setRenderHint(QPainter::Antialiasing);
        drawAppIcon(p);
        p.end();
        std::printf("%s\n", qPrintable(rel));
    }

    saveIcon("toolbar", "new", 16, drawNew);
    saveIcon("toolbar", "open", 16, drawFolderOpen);
    saveIcon("toolbar", "save", 16, drawSave);
    saveIcon("toolbar", "print", 16, drawPrint);
    saveIcon("toolbar", "help", 16, drawHelp);
    saveIcon("toolbar", "skyview", 16, drawSkyView);
    return 0;
}
