// Draws every skin picture of the program with QPainter.
//
// Usage: skingen <bmp-dir> <png-dir>
// BMP pictures are written straight into <bmp-dir>. Pictures that end up as GIF or ICO are
// written as PNG into <png-dir> (Qt cannot write GIF); generate.sh converts them.

#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QRadialGradient>
#include <QtCore/QDir>
#include <QtCore/QtMath>

#include <cstdio>
#include <functional>

namespace {

// Palette of the program.
const QColor Cream(244, 245, 235);
const QColor Navy(0, 0, 128);
const QColor Sky(178, 217, 246);
const QColor Lavender(192, 192, 255);
const QColor Pink(255, 192, 255);
const QColor White(255, 255, 255);

// Derived colours of the skin.
const QColor Ink(22, 40, 120);             // icon strokes
const QColor Blue(40, 96, 204);            // accents, upper end of the title gradient
const QColor MarkRed(200, 32, 40);         // ticks, as the marks are red
const QColor FrameDark(70, 80, 112);       // 1 px outline around every window
const QColor FrameFill(214, 220, 234);     // side and bottom frame band
const QColor FrameInner(186, 194, 214);    // inner edge of the frame band
const QColor PageBack = White;             // background of the home pages and the pop-up
const QColor StripBack = Cream;            // toolbar strip, tab strip, answer sheet, status band

const int TitleHeight = 26;
const qreal Stroke = 2.0;                  // the one stroke weight of the toolbar icons

QString bmpDir;
QString pngDir;

QImage canvas(int w, int h, const QColor &fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void saveBmp(const QImage &img, const QString &name)
{
    const QImage out = img.convertToFormat(QImage::Format_RGB32);
    if (!out.save(bmpDir + QLatin1Char('/') + name, "BMP"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

void savePng(const QImage &img, const QString &name)
{
    if (!img.convertToFormat(QImage::Format_ARGB32).save(pngDir + QLatin1Char('/') + name, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

// GIF has one-bit transparency: blend the soft edges onto the colour the picture will stand on
// and keep only fully clear pixels clear.
QImage flattenForGif(const QImage &src, const QColor &under)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a < 24) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto mix = [a](int c, int u) { return (c * a + u * (255 - a)) / 255; };
            line[x] = qRgba(mix(qRed(p), under.red()), mix(qGreen(p), under.green()),
                            mix(qBlue(p), under.blue()), 255);
        }
    }
    return img;
}

QPainter *begin(QImage &img)
{
    auto *p = new QPainter(&img);
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::TextAntialiasing);
    return p;
}

QPen inkPen(const QColor &c = Ink, qreal w = Stroke)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal y0, qreal y1, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QFont uiFont(qreal px, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(px));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// ---------------------------------------------------------------- title bar and frame

// Colour of title-bar row y (0 … TitleHeight-1) in the active or inactive look. The bar is
// a vertical gradient, so every piece and every title button can be cut from it seamlessly.
QColor titleRow(bool active, int y)
{
    if (y == 0)
        return FrameDark;
    if (y == TitleHeight - 1)
        return active ? QColor(0, 0, 92) : QColor(196, 200, 214);
    const qreal t = qreal(y - 1) / (TitleHeight - 3);
    const QColor a = active ? QColor(52, 108, 214) : QColor(255, 255, 255);
    const QColor b = active ? QColor(0, 10, 128) : QColor(230, 232, 238);
    return QColor(qRound(a.red() + (b.red() - a.red()) * t),
                  qRound(a.green() + (b.green() - a.green()) * t),
                  qRound(a.blue() + (b.blue() - a.blue()) * t));
}

// Fills rows y0 … y0+h-1 of the title bar into img at its row 0.
void paintTitleRows(QImage &img, bool active, int y0)
{
    for (int y = 0; y < img.height(); ++y) {
        const QRgb c = titleRow(active, y0 + y).rgb();
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = c;
    }
}

// Top corner piece: the bar with its outer column dark and the top corner rounded along the
// window's cut outline. mirrored = right-hand piece.
QImage titleCorner(bool active, bool mirrored)
{
    const int w = 8;
    QImage img = canvas(w, TitleHeight, FrameDark);
    paintTitleRows(img, active, 0);
    QPainter *p = begin(img);
    if (mirrored) {
        p->translate(w, 0);
        p->scale(-1, 1);
    }
    // Everything outside a 5 px round corner becomes outline colour; the window clips it.
    QPainterPath outside;
    outside.addRect(0, 0, w, TitleHeight - 1);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(1, 1, w + 12, TitleHeight + 12), 5, 5);
    p->fillPath(outside.subtracted(inner), FrameDark);
    p->end();
    delete p;
    return img;
}

QImage titleCentre(bool active)
{
    QImage img = canvas(8, TitleHeight, FrameDark);
    paintTitleRows(img, active, 0);
    return img;
}

// Side band: outline, fill, inner edge. Built as rows or columns of these colours.
QColor bandColour(int i)
{
    return i == 0 ? FrameDark : (i == 3 ? FrameInner : FrameFill);
}

QImage sideBand(bool right)
{
    QImage img = canvas(4, 16, FrameFill);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 16; ++y)
            img.setPixelColor(right ? 3 - x : x, y, bandColour(x));
    return img;
}

QImage bottomBand()
{
    QImage img = canvas(16, 4, FrameFill);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixelColor(x, 3 - y, bandColour(y));
    return img;
}

// Square bottom corner of the main windows: the side band turning into the bottom band.
QImage bottomCorner(bool right)
{
    QImage img = canvas(4, 4, FrameFill);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int fromOut = qMin(x, 3 - y);   // distance from the outer edges
            QColor c = bandColour(fromOut);
            if (fromOut == 3 || (x == 3 && y == 0))
                c = FrameInner;
            img.setPixelColor(right ? 3 - x : x, y, c);
        }
    }
    return img;
}

// Rounded bottom corner of the pop-up (cut 7 px deep); the inside stays clear so that the
// pop-up's own background shows through.
QImage popupCorner(bool right)
{
    const int s = 8;
    QImage img = canvas(s, s, Qt::transparent);
    QPainter *p = begin(img);
    if (right) {
        p->translate(s, 0);
        p->scale(-1, 1);
    }
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0, -s, 2 * s, 2 * s), 7, 7);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(4, -s, 2 * s, 2 * s - 4), 3.5, 3.5);
    p->fillPath(outer.subtracted(inner), FrameFill);
    p->setPen(QPen(FrameInner, 1));
    p->drawPath(inner.translated(-0.5, 0.5));
    p->setPen(QPen(FrameDark, 1));
    p->drawPath(outer.translated(0.5, -0.5));
    p->end();
    delete p;
    return flattenForGif(img, PageBack);
}

// ---------------------------------------------------------------- title-bar buttons

enum class TitleLook { Hover, Normal, Inactive };
enum class TitleGlyph { Close, Max, Min, Norm };

QImage titleButton(TitleLook look, TitleGlyph glyph)
{
    const int w = 24, h = 18;
    const int top = (TitleHeight - h) / 2;
    const bool active = look != TitleLook::Inactive;
    QImage img = canvas(w, h, White);
    paintTitleRows(img, active, top);
    QPainter *p = begin(img);
    if (look == TitleLook::Hover) {
        const QRectF box(0.5, 0.5, w - 1, h - 1);
        if (glyph == TitleGlyph::Close) {
            p->setPen(QPen(QColor(150, 20, 30), 1));
            p->setBrush(vertical(0, h, QColor(236, 84, 84), QColor(196, 32, 40)));
        } else {
            p->setPen(QPen(QColor(150, 196, 246), 1));
            p->setBrush(vertical(0, h, QColor(112, 166, 240), QColor(46, 100, 206)));
        }
        p->drawRoundedRect(box, 3, 3);
    }
    const QColor g = look == TitleLook::Inactive ? QColor(128, 128, 128)
                   : look == TitleLook::Hover   ? White
                                                : QColor(226, 234, 250);
    const qreal cx = w / 2.0, cy = h / 2.0;
    p->setBrush(Qt::NoBrush);
    switch (glyph) {
    case TitleGlyph::Close:
        p->setPen(QPen(g, 1.8, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(cx - 4, cy - 4), QPointF(cx + 4, cy + 4));
        p->drawLine(QPointF(cx + 4, cy - 4), QPointF(cx - 4, cy + 4));
        break;
    case TitleGlyph::Min:
        p->setRenderHint(QPainter::Antialiasing, false);
        p->fillRect(QRect(int(cx) - 5, int(cy) + 3, 10, 2), g);
        break;
    case TitleGlyph::Max:
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(QPen(g, 1));
        p->drawRect(QRect(int(cx) - 5, int(cy) - 5, 9, 9));
        p->fillRect(QRect(int(cx) - 5, int(cy) - 5, 10, 2), g);
        break;
    case TitleGlyph::Norm:
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(QPen(g, 1));
        // back window, then the front one over it
        p->drawLine(int(cx) - 2, int(cy) - 5, int(cx) + 5, int(cy) - 5);
        p->drawLine(int(cx) - 2, int(cy) - 4, int(cx) + 5, int(cy) - 4);
        p->drawLine(int(cx) + 5, int(cy) - 5, int(cx) + 5, int(cy) + 2);
        p->drawLine(int(cx) - 2, int(cy) - 5, int(cx) - 2, int(cy) - 2);
        p->drawLine(int(cx) + 2, int(cy) + 2, int(cx) + 5, int(cy) + 2);
        p->drawRect(QRect(int(cx) - 5, int(cy) - 2, 7, 7));
        p->fillRect(QRect(int(cx) - 5, int(cy) - 2, 8, 2), g);
        break;
    }
    p->end();
    delete p;
    return img;
}

// ---------------------------------------------------------------- toolbar icons

// Icons are drawn in a 28 × 28 box; colours go through `tone` so the disabled state can
// repaint the same drawing in grey.
using Tone = std::function<QColor(const QColor &)>;

void iconAbout(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    p.drawEllipse(QPointF(14, 14), 11.5, 11.5);
    p.setBrush(t(Ink));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(14, 8.2), 1.9, 1.9);
    p.setPen(inkPen(t(Ink), 2.6));
    p.drawLine(QPointF(14, 12.5), QPointF(14, 20.5));
    p.setPen(inkPen(t(Ink)));
    p.drawLine(QPointF(11.5, 20.5), QPointF(16.5, 20.5));
    p.drawLine(QPointF(12, 12.5), QPointF(14, 12.5));
}

void iconArrow(QPainter &p, const Tone &t, bool forward)
{
    p.save();
    if (forward) {
        p.translate(28, 0);
        p.scale(-1, 1);
    }
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    p.drawEllipse(QPointF(14, 14), 11.5, 11.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(t(Ink), 2.6));
    p.drawLine(QPointF(20, 14), QPointF(8.5, 14));
    QPolygonF head;
    head << QPointF(13.5, 8.5) << QPointF(8, 14) << QPointF(13.5, 19.5);
    p.drawPolyline(head);
    p.restore();
}

void iconClose(QPainter &p, const Tone &t)
{
    // A door standing open with an arrow leaving through it.
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(White));
    p.drawRect(QRectF(4, 3, 13, 22));
    QPolygonF door;
    door << QPointF(4, 3) << QPointF(11, 6) << QPointF(11, 27) << QPointF(4, 25);
    p.setBrush(t(Pink));
    p.drawPolygon(door);
    p.setBrush(t(Ink));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(9, 16), 1.2, 1.2);
    p.setPen(inkPen(t(Ink)));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(14, 14), QPointF(26, 14));
    QPolygonF head;
    head << QPointF(22, 10) << QPointF(26, 14) << QPointF(22, 18);
    p.drawPolyline(head);
}

void iconHome(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    QPolygonF body;
    body << QPointF(7, 13) << QPointF(7, 25) << QPointF(21, 25) << QPointF(21, 13);
    p.drawPolygon(body);
    p.setBrush(t(Pink));
    p.drawRect(QRectF(12, 17.5, 4, 7.5));
    p.setBrush(Qt::NoBrush);
    QPolygonF roof;
    roof << QPointF(3, 15) << QPointF(14, 4) << QPointF(25, 15);
    p.drawPolyline(roof);
    p.drawLine(QPointF(19, 5.5), QPointF(19, 9));
}

void iconMark(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(White));
    QPolygonF sheet;
    sheet << QPointF(5, 2) << QPointF(17, 2) << QPointF(23, 8) << QPointF(23, 26) << QPointF(5, 26);
    p.drawPolygon(sheet);
    QPolygonF fold;
    fold << QPointF(17, 2) << QPointF(17, 8) << QPointF(23, 8);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(fold);
    p.setPen(inkPen(t(Sky)));
    p.drawLine(QPointF(9, 8), QPointF(13, 8));
    p.setPen(inkPen(t(MarkRed), 2.6));
    QPolygonF tick;
    tick << QPointF(8.5, 16.5) << QPointF(12.5, 20.5) << QPointF(20, 11);
    p.drawPolyline(tick);
}

void iconPrint(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(White));
    p.drawRect(QRectF(8, 3, 12, 8));
    p.setBrush(t(Sky));
    p.drawRoundedRect(QRectF(3, 10, 22, 11), 2.5, 2.5);
    p.setBrush(t(White));
    p.drawRect(QRectF(8, 17, 12, 9));
    p.setPen(inkPen(t(Ink), 1.4));
    p.drawLine(QPointF(10.5, 20.5), QPointF(17.5, 20.5));
    p.drawLine(QPointF(10.5, 23.3), QPointF(15.5, 23.3));
    p.setPen(Qt::NoPen);
    p.setBrush(t(Pink.darker(115)));
    p.drawEllipse(QPointF(21, 13.5), 1.3, 1.3);
}

void iconReport(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    p.drawRect(QRectF(7, 15, 4.5, 10));
    p.setBrush(t(Lavender));
    p.drawRect(QRectF(13.5, 9, 4.5, 16));
    p.setBrush(t(Pink));
    p.drawRect(QRectF(20, 4, 4.5, 21));
    p.setBrush(Qt::NoBrush);
    QPolygonF axes;
    axes << QPointF(3, 3) << QPointF(3, 25) << QPointF(26, 25);
    p.drawPolyline(axes);
}

void iconSave(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    QPolygonF disk;
    disk << QPointF(4, 3) << QPointF(21, 3) << QPointF(25, 7) << QPointF(25, 25) << QPointF(4, 25);
    p.drawPolygon(disk);
    p.setBrush(t(White));
    p.drawRect(QRectF(8.5, 3, 11, 7));
    p.drawRect(QRectF(8, 15, 13, 10));
    p.setBrush(t(Ink));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(15, 4.5, 2.6, 4));
    p.setPen(inkPen(t(Lavender.darker(125)), 1.4));
    p.drawLine(QPointF(10.5, 18.5), QPointF(18.5, 18.5));
    p.drawLine(QPointF(10.5, 21.5), QPointF(18.5, 21.5));
}

void iconSetup(QPainter &p, const Tone &t)
{
    QPainterPath gear;
    const QPointF c(14, 14);
    const int teeth = 8;
    const qreal rOut = 12, rIn = 9;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = (i * 2 * M_PI) / (teeth * 4) - M_PI / (teeth * 4);
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? rOut : rIn;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 4, 4);
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Lavender));
    p.drawPath(gear.subtracted(hole));
}

void iconTrash(QPainter &p, const Tone &t)
{
    p.setPen(inkPen(t(Ink)));
    p.setBrush(t(Sky));
    QPolygonF body;
    body << QPointF(7, 8) << QPointF(9, 26) << QPointF(19, 26) << QPointF(21, 8);
    p.drawPolygon(body);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 7.5), QPointF(24, 7.5));
    QPolygonF handle;
    handle << QPointF(11, 7) << QPointF(11, 3.5) << QPointF(17, 3.5) << QPointF(17, 7);
    p.drawPolyline(handle);
    p.setPen(inkPen(t(Ink), 1.4));
    p.drawLine(QPointF(12, 12), QPointF(12.5, 22));
    p.drawLine(QPointF(16, 12), QPointF(15.5, 22));
}

using IconFn = std::function<void(QPainter &, const Tone &)>;

enum class ToolState { Off, On, Pressed, Disabled };

const int ToolW = 64, ToolH = 48;

QImage toolButton(const IconFn &icon, ToolState state)
{
    QImage img = canvas(ToolW, ToolH, StripBack);
    QPainter *p = begin(img);
    const QRectF box(1.5, 1.5, ToolW - 3, ToolH - 3);
    if (state == ToolState::On) {
        p->setPen(QPen(QColor(140, 184, 228), 1));
        p->setBrush(vertical(0, ToolH, White, QColor(228, 240, 251)));
        p->drawRoundedRect(box, 6, 6);
    } else if (state == ToolState::Pressed) {
        p->setPen(QPen(QColor(64, 110, 180), 1));
        p->setBrush(vertical(0, ToolH, QColor(166, 206, 240), QColor(200, 226, 248)));
        p->drawRoundedRect(box, 6, 6);
    }
    Tone tone = [](const QColor &c) { return c; };
    if (state == ToolState::Disabled) {
        tone = [](const QColor &c) {
            const int g = qGray(c.rgb());
            const int v = 150 + g * 95 / 255;   // grey, lighter than the live icon
            return QColor(v, v, v - 6);
        };
    }
    // Icon in the upper part; the lower 16 px stay plain for the caption label.
    const QPointF origin(18, 3);
    const QPointF shift = state == ToolState::Pressed ? QPointF(1, 1) : QPointF(0, 0);
    p->translate(origin + shift);
    icon(*p, tone);
    p->end();
    delete p;
    return img;
}

// ---------------------------------------------------------------- tabs and buttons

QImage tab(bool front, bool hover)
{
    const int w = 100, h = 24;
    QImage img = canvas(w, h, PageBack);
    QPainter *p = begin(img);
    QPainterPath shape;
    shape.moveTo(0.5, h + 1);
    shape.lineTo(0.5, 6.5);
    shape.quadTo(0.5, 0.5, 6.5, 0.5);
    shape.lineTo(w - 6.5, 0.5);
    shape.quadTo(w - 0.5, 0.5, w - 0.5, 6.5);
    shape.lineTo(w - 0.5, h + 1);
    QColor top, bottom;
    if (front) {
        top = hover ? QColor(252, 252, 246) : Cream;
        bottom = Cream;
    } else {
        top = hover ? QColor(240, 242, 232) : QColor(232, 234, 220);
        bottom = hover ? QColor(232, 234, 222) : QColor(220, 222, 206);
    }
    p->setPen(QPen(QColor(132, 140, 160), 1));
    p->setBrush(vertical(0, h, top, bottom));
    p->drawPath(shape);
    if (front || hover) {
        // coloured lip along the top: blue on the chosen tab, sky under the cursor
        QPainterPath lip;
        lip.addRoundedRect(QRectF(1, 1, w - 2, 8), 5.5, 5.5);
        QPainterPath band;
        band.addRect(1, 1, w - 2, 2.5);
        p->fillPath(lip.intersected(band), front ? (hover ? QColor(84, 140, 232) : Blue) : Sky.darker(108));
    }
    p->end();
    delete p;
    return img;
}

QImage genericButton(int state)   // 0 off, 1 on, 2 pressed
{
    const int w = 80, h = 25;
    QImage img = canvas(w, h, PageBack);
    QPainter *p = begin(img);
    const QRectF box(0.5, 0.5, w - 1, h - 1);
    if (state == 0) {
        p->setPen(QPen(QColor(120, 138, 178), 1));
        p->setBrush(vertical(0, h, White, QColor(226, 231, 242)));
    } else if (state == 1) {
        p->setPen(QPen(QColor(64, 116, 190), 1));
        p->setBrush(vertical(0, h, QColor(238, 246, 253), Sky));
    } else {
        p->setPen(QPen(QColor(30, 66, 150), 1));
        p->setBrush(vertical(0, h, QColor(156, 198, 236), QColor(190, 222, 248)));
    }
    p->drawRoundedRect(box, 5, 5);
    if (state != 2) {
        p->setPen(QPen(QColor(255, 255, 255, 170), 1));
        p->drawLine(QPointF(5, 1.5), QPointF(w - 5, 1.5));
    }
    p->end();
    delete p;
    return img;
}

QImage loadButton(bool hover)
{
    const int w = 35, h = 14;
    QImage img = canvas(w, h, PageBack);
    QPainter *p = begin(img);
    p->setPen(QPen(hover ? QColor(60, 110, 190) : QColor(112, 112, 204), 1));
    p->setBrush(hover ? vertical(0, h, QColor(226, 241, 252), Sky)
                      : vertical(0, h, QColor(226, 226, 255), Lavender));
    p->drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    QPolygonF play;
    play << QPointF(14, 3.5) << QPointF(21.5, 7) << QPointF(14, 10.5);
    p->setPen(QPen(hover ? Navy : Ink, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(hover ? Navy : Ink);
    p->drawPolygon(play);
    p->end();
    delete p;
    return img;
}

// ---------------------------------------------------------------- panels and small pieces

QImage panelGradient(int w, int h, const QColor &top, const QColor &bottom, const QColor &line)
{
    QImage img = canvas(w, h, top);
    QPainter p(&img);
    p.fillRect(img.rect(), vertical(0, h, top, bottom));
    p.fillRect(QRect(0, 0, w, 1), line);
    p.fillRect(QRect(0, 1, w, 1), QColor(255, 255, 255, 140));
    return img;
}

QImage columnHead(const QColor &top, const QColor &bottom, const QColor &line)
{
    const int w = 170, h = 22;
    QImage img = canvas(w, h, PageBack);
    QPainter *p = begin(img);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, w, h + 6), 5, 5);
    QPainterPath clip;
    clip.addRect(0, 0, w, h);
    p->fillPath(shape.intersected(clip), vertical(0, h, top, bottom));
    p->fillRect(QRectF(0, h - 2, w, 2), line);
    p->end();
    delete p;
    return img;
}

QImage progressSegment()
{
    const int w = 11, h = 19;
    QImage img = panelGradient(w, h, QColor(253, 242, 253), QColor(244, 226, 244), QColor(214, 190, 214));
    QPainter *p = begin(img);
    p->setPen(Qt::NoPen);
    p->setBrush(vertical(2, h - 2, QColor(120, 176, 240), QColor(20, 60, 170)));
    p->drawRoundedRect(QRectF(1, 2, 9, h - 4), 2, 2);
    p->setBrush(QColor(255, 255, 255, 90));
    p->drawRoundedRect(QRectF(2, 3, 7, 5), 1.5, 1.5);
    p->end();
    delete p;
    return img;
}

QImage statusGrabber()
{
    QImage img = canvas(12, 12, StripBack);
    QPainter p(&img);
    const QPoint dots[] = {{9, 1}, {5, 5}, {9, 5}, {1, 9}, {5, 9}, {9, 9}};
    for (const QPoint &d : dots) {
        p.fillRect(QRect(d + QPoint(1, 1), QSize(2, 2)), White);
        p.fillRect(QRect(d, QSize(2, 2)), QColor(140, 146, 160));
    }
    return img;
}

QImage bullet()
{
    QImage img = canvas(8, 8, PageBack);
    QPainter *p = begin(img);
    QRadialGradient g(QPointF(3, 3), 4);
    g.setColorAt(0, QColor(120, 170, 240));
    g.setColorAt(1, Blue.darker(130));
    p->setPen(Qt::NoPen);
    p->setBrush(g);
    p->drawEllipse(QPointF(4, 4), 3.3, 3.3);
    p->end();
    delete p;
    return img;
}

QImage handle()
{
    const int w = 8, h = 40;
    QImage img = canvas(w, h, StripBack);
    QPainter *p = begin(img);
    p->setPen(QPen(QColor(110, 122, 160), 1));
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(236, 240, 250));
    g.setColorAt(1, QColor(198, 208, 230));
    p->setBrush(g);
    p->drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
    p->setRenderHint(QPainter::Antialiasing, false);
    for (int y = 13; y <= 25; y += 4) {
        p->fillRect(QRect(3, y + 1, 2, 2), White);
        p->fillRect(QRect(3, y, 2, 2), QColor(90, 100, 140));
    }
    p->end();
    delete p;
    return img;
}

QImage scorePanel()
{
    const int w = 120, h = 48;
    QImage img = canvas(w, h, StripBack);
    QPainter *p = begin(img);
    p->setPen(QPen(QColor(150, 190, 228), 1));
    p->setBrush(vertical(0, h, White, QColor(236, 243, 251)));
    p->drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p->end();
    delete p;
    return img;
}

QImage reportBar()
{
    const int w = 390, h = 20;
    QImage img = canvas(w, h, Lavender);
    QPainter p(&img);
    p.fillRect(img.rect(), vertical(0, h, QColor(222, 222, 255), Lavender));
    p.fillRect(QRect(0, 0, w, 1), QColor(244, 244, 255));
    p.fillRect(QRect(0, h - 1, w, 1), QColor(112, 112, 200));
    return img;
}

// ---------------------------------------------------------------- icons, logo, pop-up mark

// The program's mark: a blue rounded square holding a white ring whose tail is a pink tick.
void drawMark(QPainter &p, qreal s)
{
    p.save();
    p.scale(s / 32.0, s / 32.0);
    p.setPen(QPen(QColor(0, 0, 96), 1));
    p.setBrush(vertical(0, 32, QColor(64, 120, 224), Navy));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(White, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawArc(QRectF(6.5, 6, 17, 17), 300 * 16, 290 * 16);
    p.setPen(QPen(Pink, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF tick;
    tick << QPointF(16, 20) << QPointF(20, 24.5) << QPointF(27, 14);
    p.drawPolyline(tick);
    p.restore();
}

QImage programIcon(int s)
{
    QImage img = canvas(s, s, Qt::transparent);
    QPainter *p = begin(img);
    drawMark(*p, s);
    p->end();
    delete p;
    return img;
}

QImage pencilIcon(int s)
{
    QImage img = canvas(s, s, Qt::transparent);
    QPainter *p = begin(img);
    p->scale(s / 32.0, s / 32.0);
    p->translate(16, 16);
    p->rotate(-45);
    const QPen outline(Ink, s <= 16 ? 2.0 : 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p->setPen(outline);
    // eraser, body, wooden cone, lead
    p->setBrush(Pink);
    p->drawRoundedRect(QRectF(-15, -5, 6, 10), 2, 2);
    p->setBrush(Sky);
    p->drawRect(QRectF(-9, -5, 16, 10));
    p->setBrush(Cream);
    QPolygonF cone;
    cone << QPointF(7, -5) << QPointF(15, 0) << QPointF(7, 5);
    p->drawPolygon(cone);
    p->setBrush(Ink);
    QPolygonF lead;
    lead << QPointF(12.2, -1.7) << QPointF(15, 0) << QPointF(12.2, 1.7);
    p->drawPolygon(lead);
    p->end();
    delete p;
    return img;
}

QImage handIcon(int s)
{
    QImage img = canvas(s, s, Qt::transparent);
    QPainter *p = begin(img);
    p->scale(s / 32.0, s / 32.0);
    // pointing finger, then the folded fingers and the palm, merged into one outline
    const auto rounded = [](const QRectF &r, qreal radius) {
        QPainterPath part;
        part.addRoundedRect(r, radius, radius);
        return part;
    };
    QPainterPath hand = rounded(QRectF(10, 2, 6, 18), 3);
    if (s > 16) {
        hand = hand.united(rounded(QRectF(15, 11, 5, 10), 2.5));
        hand = hand.united(rounded(QRectF(19, 12, 5, 10), 2.5));
        hand = hand.united(rounded(QRectF(23, 13, 5, 10), 2.5));
    }
    hand = hand.united(rounded(QRectF(10, s > 16 ? 15 : 12, 18, s > 16 ? 14 : 17), 5));
    QPainterPath thumb;
    thumb.moveTo(11, 24);
    thumb.lineTo(5, 17);
    thumb.quadTo(3, 14, 6, 13.5);
    thumb.lineTo(11, 17);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p->setPen(QPen(Ink, s <= 16 ? 2.0 : 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(White);
    p->drawPath(hand);
    if (s > 16) {
        p->drawLine(QPointF(19.5, 14), QPointF(19.5, 18));
        p->drawLine(QPointF(23.5, 15), QPointF(23.5, 19));
    }
    p->end();
    delete p;
    return img;
}

QImage infoMark()
{
    const int s = 32;
    QImage img = canvas(s, s, Qt::transparent);
    QPainter *p = begin(img);
    p->setPen(QPen(QColor(0, 0, 96), 1));
    p->setBrush(vertical(0, s, QColor(80, 136, 230), Navy));
    p->drawEllipse(QRectF(1, 1, 30, 30));
    p->setPen(Qt::NoPen);
    p->setBrush(White);
    p->drawEllipse(QPointF(16, 9), 2.4, 2.4);
    p->drawRoundedRect(QRectF(13.8, 13, 4.4, 12.5), 1.2, 1.2);
    p->drawRect(QRectF(12, 13, 4, 2.2));
    p->drawRect(QRectF(12, 23.5, 8, 2.2));
    p->end();
    delete p;
    return flattenForGif(img, PageBack);
}

QImage logo()
{
    const int w = 180, h = 60;
    QImage img = canvas(w, h, Qt::transparent);
    QPainter *p = begin(img);
    p->translate(4, 8);
    drawMark(*p, 44);
    p->resetTransform();
    QFont f = uiFont(22, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.4);
    const QFontMetricsF fm(f);
    const QString q = QStringLiteral("Q");
    const QString rest = QStringLiteral("uorvane");
    const qreal left = 56;
    const qreal base = 32;
    p->setFont(f);
    p->setPen(Navy);
    p->drawText(QPointF(left, base), q);
    const qreal qw = fm.horizontalAdvance(q);
    p->setPen(Blue);
    p->drawText(QPointF(left + qw, base), rest);
    const qreal textWidth = qw + fm.horizontalAdvance(rest);
    p->fillRect(QRectF(left + 1, 38, textWidth - 2, 2), Pink.darker(112));
    QFont tag = uiFont(10, true);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p->setFont(tag);
    p->setPen(QColor(96, 100, 124));
    p->drawText(QPointF(left + 1, 53), QStringLiteral("PRACTICE"));
    p->end();
    delete p;
    return flattenForGif(img, PageBack);
}

QImage instruction()
{
    const int w = 260, h = 60;
    QImage img = canvas(w, h, Qt::transparent);
    QPainter *p = begin(img);
    p->setPen(QPen(QColor(150, 190, 228), 1));
    p->setBrush(White);
    p->drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p->setFont(uiFont(11, true));
    p->setPen(Navy);
    p->drawText(QRectF(10, 3, w - 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("How to type your answer:"));
    const auto row = [&](qreal y, const QString &label, const QString &example) {
        p->setFont(uiFont(11));
        p->setPen(QColor(40, 44, 64));
        p->drawText(QRectF(12, y, 112, 17), Qt::AlignLeft | Qt::AlignVCenter, label);
        const QRectF box(124, y, 64, 17);
        p->setPen(QPen(Sky.darker(115), 1));
        p->setBrush(QColor(240, 247, 253));
        p->drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setPixelSize(12);
        mono.setBold(true);
        p->setFont(mono);
        p->setPen(Navy);
        p->drawText(box, Qt::AlignCenter, example);
    };
    row(21, QStringLiteral("a fraction"), QStringLiteral("11/2"));
    row(40, QStringLiteral("a mixed number"), QStringLiteral("2  3/7"));
    p->setFont(uiFont(9.5));
    p->setPen(QColor(110, 112, 130));
    p->drawText(QRectF(194, 40, 62, 17), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("two spaces"));
    p->end();
    delete p;
    return flattenForGif(img, Cream);
}

}   // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen <bmp-dir> <png-dir>\n");
        return 2;
    }
    bmpDir = QString::fromLocal8Bit(argv[1]);
    pngDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(bmpDir);
    QDir().mkpath(pngDir);

    struct Family {
        const char *stem;
        IconFn icon;
        bool canDisable;
    };
    const Family families[] = {
        {"about", iconAbout, false},
        {"back", [](QPainter &p, const Tone &t) { iconArrow(p, t, false); }, true},
        {"close", iconClose, false},
        {"forward", [](QPainter &p, const Tone &t) { iconArrow(p, t, true); }, true},
        {"home", iconHome, false},
        {"mark", iconMark, true},
        {"print", iconPrint, false},
        {"report", iconReport, false},
        {"save", iconSave, true},
        {"setup", iconSetup, false},
        {"trash", iconTrash, false},
    };
    for (const Family &f : families) {
        const QString stem = QString::fromLatin1(f.stem);
        saveBmp(toolButton(f.icon, ToolState::Off), stem + QStringLiteral("_off.bmp"));
        saveBmp(toolButton(f.icon, ToolState::On), stem + QStringLiteral("_on.bmp"));
        saveBmp(toolButton(f.icon, ToolState::Pressed), stem + QStringLiteral("_pressed.bmp"));
        if (f.canDisable)
            saveBmp(toolButton(f.icon, ToolState::Disabled), stem + QStringLiteral("_disabled.bmp"));
    }

    saveBmp(tab(false, false), QStringLiteral("tabs_back_off.bmp"));
    saveBmp(tab(false, true), QStringLiteral("tabs_back_on.bmp"));
    saveBmp(tab(true, false), QStringLiteral("tabs_front_off.bmp"));
    saveBmp(tab(true, true), QStringLiteral("tabs_front_on.bmp"));

    saveBmp(bottomBand(), QStringLiteral("border_bot.bmp"));
    saveBmp(sideBand(false), QStringLiteral("border_left.bmp"));
    saveBmp(bottomCorner(false), QStringLiteral("border_left_corners.bmp"));
    saveBmp(sideBand(true), QStringLiteral("border_right.bmp"));
    saveBmp(bottomCorner(true), QStringLiteral("border_right_corners.bmp"));
    saveBmp(titleCentre(true), QStringLiteral("border_top_center.bmp"));
    saveBmp(titleCorner(true, false), QStringLiteral("border_top_left.bmp"));
    saveBmp(titleCorner(true, true), QStringLiteral("border_top_right.bmp"));
    saveBmp(titleCentre(false), QStringLiteral("border_white_top_center.bmp"));
    saveBmp(titleCorner(false, false), QStringLiteral("border_white_top_left.bmp"));
    saveBmp(titleCorner(false, true), QStringLiteral("border_white_top_right.bmp"));

    const struct {
        TitleLook look;
        const char *name;
    } looks[] = {{TitleLook::Hover, "blue"}, {TitleLook::Normal, "blueoff"}, {TitleLook::Inactive, "white"}};
    const struct {
        TitleGlyph glyph;
        const char *name;
    } glyphs[] = {{TitleGlyph::Close, "close"}, {TitleGlyph::Max, "max"}, {TitleGlyph::Min, "min"},
                  {TitleGlyph::Norm, "norm"}};
    for (const auto &l : looks)
        for (const auto &g : glyphs)
            saveBmp(titleButton(l.look, g.glyph),
                    QStringLiteral("prog_%1_%2.bmp").arg(QLatin1String(l.name), QLatin1String(g.name)));

    saveBmp(loadButton(true), QStringLiteral("loadbutton_on.bmp"));
    saveBmp(loadButton(false), QStringLiteral("loadbutton_off.bmp"));
    saveBmp(genericButton(0), QStringLiteral("button_off.bmp"));
    saveBmp(genericButton(1), QStringLiteral("button_on.bmp"));
    saveBmp(genericButton(2), QStringLiteral("button_pressed.bmp"));

    saveBmp(panelGradient(120, 24, QColor(250, 250, 243), QColor(234, 236, 222), QColor(206, 208, 192)),
            QStringLiteral("bottombg1.bmp"));
    saveBmp(panelGradient(120, 24, QColor(240, 247, 253), QColor(216, 233, 248), QColor(168, 200, 230)),
            QStringLiteral("bottombg2.bmp"));
    saveBmp(panelGradient(120, 24, QColor(244, 244, 255), QColor(222, 222, 252), QColor(176, 176, 230)),
            QStringLiteral("bottombg3.bmp"));
    saveBmp(panelGradient(120, 24, QColor(253, 242, 253), QColor(244, 226, 244), QColor(214, 190, 214)),
            QStringLiteral("bottombg4.bmp"));
    saveBmp(columnHead(QColor(226, 226, 255), Lavender, QColor(112, 112, 200)), QStringLiteral("columnhead1.bmp"));
    saveBmp(columnHead(QColor(224, 240, 252), Sky, QColor(70, 130, 200)), QStringLiteral("columnhead2.bmp"));
    saveBmp(progressSegment(), QStringLiteral("progressbar.bmp"));
    saveBmp(statusGrabber(), QStringLiteral("statusgrabber.bmp"));
    saveBmp(bullet(), QStringLiteral("bullet.bmp"));
    saveBmp(handle(), QStringLiteral("Handle.bmp"));
    saveBmp(scorePanel(), QStringLiteral("pen.bmp"));
    saveBmp(reportBar(), QStringLiteral("bar.bmp"));

    for (int s : {16, 32}) {
        savePng(programIcon(s), QStringLiteral("QVicon-%1.png").arg(s));
        savePng(pencilIcon(s), QStringLiteral("pencil-%1.png").arg(s));
        savePng(handIcon(s), QStringLiteral("hand-%1.png").arg(s));
    }
    savePng(infoMark(), QStringLiteral("info_mark.png"));
    savePng(logo(), QStringLiteral("Logo.png"));
    savePng(instruction(), QStringLiteral("instruction.png"));
    savePng(popupCorner(false), QStringLiteral("Border_bot_left.png"));
    savePng(popupCorner(true), QStringLiteral("Border_bot_right.png"));
    return 0;
}
