#include "app/ToolIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace {

const QColor Ink(40, 40, 40);
const QColor Blue(30, 90, 200);
const QColor Red(200, 40, 40);
const QColor Green(30, 150, 60);
const QColor Orange(230, 140, 20);
const QColor Paper(255, 255, 250);

using Painter = std::function<void(QPainter&)>;

void Pen(QPainter& p, const QColor& c, double w = 1.0) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// Plane axes in the lower left.
void Axes2D(QPainter& p) {
    Pen(p, Ink);
    p.drawLine(QPointF(2, 14), QPointF(15, 14));
    p.drawLine(QPointF(2, 14), QPointF(2, 1));
}

void SineCurve(QPainter& p, const QColor& c, double x0 = 3, double x1 = 15, double y0 = 8, double amp = 4) {
    QPainterPath path;
    for (int i = 0; i <= 24; ++i) {
        const double x = x0 + (x1 - x0) * i / 24.0;
        const double y = y0 - amp * std::sin((x - x0) / (x1 - x0) * 2 * 3.14159);
        if (i == 0) path.moveTo(x, y);
        else path.lineTo(x, y);
    }
    Pen(p, c, 1.4);
    p.drawPath(path);
}

void Rose(QPainter& p, const QColor& c) {
    QPainterPath path;
    for (int i = 0; i <= 60; ++i) {
        const double a = i * 2 * 3.14159 / 60;
        const double r = 6.5 * std::cos(2 * a);
        const double x = 8 + r * std::cos(a), y = 8 - r * std::sin(a);
        if (i == 0) path.moveTo(x, y);
        else path.lineTo(x, y);
    }
    Pen(p, c, 1.2);
    p.drawPath(path);
}

// A band: a curve drawn twice, offset in depth, joined.
void Band(QPainter& p, bool polar) {
    QPainterPath front, back;
    QPolygonF poly;
    for (int i = 0; i <= 20; ++i) {
        double x, y;
        if (polar) {
            const double a = i * 2 * 3.14159 / 20;
            x = 7 + 5 * std::cos(a);
            y = 9 - 3 * std::sin(a);
        } else {
            x = 1 + 10.0 * i / 20;
            y = 10 - 3 * std::sin(i / 20.0 * 2 * 3.14159);
        }
        poly << QPointF(x, y);
    }
    QPolygonF shifted = poly.translated(4, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 240));
    for (int i = 0; i + 1 < poly.size(); ++i)
        p.drawPolygon(QPolygonF{poly[i], poly[i + 1], shifted[i + 1], shifted[i]});
    Pen(p, Blue);
    p.drawPolyline(poly);
    p.drawPolyline(shifted);
}

// A small surface mesh seen from above at an angle: a bump over a square.
void Mesh(QPainter& p, bool filled) {
    auto at = [](double u, double v) {
        const double h = 3.5 * std::sin(u * 3.14159) * std::sin(v * 3.14159);
        return QPointF(1 + u * 10 + v * 4.5, 14.5 - v * 7 - h);
    };
    // Back rows first, so the front ones cover them.
    for (int j = 3; j >= 0; --j)
        for (int i = 0; i < 4; ++i) {
            QPolygonF q{at(i / 4.0, j / 4.0), at((i + 1) / 4.0, j / 4.0), at((i + 1) / 4.0, (j + 1) / 4.0),
                        at(i / 4.0, (j + 1) / 4.0)};
            if (filled) {
                p.setBrush(QColor::fromHsv(210 - 25 * (i + j) / 2, 160, 235));
                p.setPen(QPen(QColor(40, 50, 120), 0.6));
            } else {
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(Blue, 0.9));
            }
            p.drawPolygon(q);
        }
}

void Cylinder(QPainter& p) {
    p.setPen(QPen(Blue, 1));
    QLinearGradient g(3, 0, 13, 0);
    g.setColorAt(0, QColor(90, 140, 220));
    g.setColorAt(0.5, QColor(200, 225, 255));
    g.setColorAt(1, QColor(60, 100, 190));
    p.setBrush(g);
    p.drawRect(QRectF(3, 4, 10, 9));
    p.setBrush(QColor(170, 200, 250));
    p.drawEllipse(QRectF(3, 2, 10, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 11, 10, 4), 180 * 16, 180 * 16);
}

void Sphere(QPainter& p, double r = 6.5) {
    QRadialGradient g(QPointF(6, 6), r * 1.3);
    g.setColorAt(0, QColor(235, 245, 255));
    g.setColorAt(1, QColor(40, 90, 190));
    p.setPen(QPen(QColor(30, 60, 140), 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), r, r);
}

// A unit cube drawn at an angle; `face` 0 none, 1 front, 2 right, 3 top shaded.
void Cube(QPainter& p, int face) {
    const QPointF a(2, 6), b(10, 6), c(10, 14), d(2, 14), e(6, 2), f(14, 2), g(14, 10);
    const QPolygonF front{a, b, c, d}, top{a, e, f, b}, right{b, f, g, c};
    const QColor shade(250, 200, 60), plain(235, 235, 235);
    p.setPen(QPen(Ink, 0.9));
    p.setBrush(face == 1 ? shade : plain);
    p.drawPolygon(front);
    p.setBrush(face == 3 ? shade : plain);
    p.drawPolygon(top);
    p.setBrush(face == 2 ? shade : plain);
    p.drawPolygon(right);
}

// A box seen at an angle: its front face, and the top and right faces reaching
// back to the three far corners given.
void Box(QPainter& p, const QRectF& front, QPointF backLeft, QPointF backRight, QPointF backBottom) {
    p.setPen(QPen(Ink, 0.9));
    p.setBrush(QColor(200, 220, 250));
    p.drawRect(front);
    p.drawPolygon(QPolygonF{front.topLeft(), backLeft, backRight, front.topRight()});
    p.drawPolygon(QPolygonF{front.topRight(), backRight, backBottom, front.bottomRight()});
}

void Page(QPainter& p) {
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Paper);
    p.drawPolygon(QPolygonF{QPointF(3, 1), QPointF(10, 1), QPointF(13, 4), QPointF(13, 15), QPointF(3, 15)});
    p.drawPolyline(QPolygonF{QPointF(10, 1), QPointF(10, 4), QPointF(13, 4)});
}

// A small green triangle in the lower right: "animated".
void PlayBadge(QPainter& p) {
    p.setPen(QPen(Qt::white, 0.8));
    p.setBrush(Green);
    p.drawPolygon(QPolygonF{QPointF(9, 9), QPointF(15.5, 12.5), QPointF(9, 16)});
}

void Triangle(QPainter& p, double x, bool right, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (right) p.drawPolygon(QPolygonF{QPointF(x, 3), QPointF(x + 6, 8), QPointF(x, 13)});
    else p.drawPolygon(QPolygonF{QPointF(x + 6, 3), QPointF(x, 8), QPointF(x + 6, 13)});
}

void Bar(QPainter& p, double x) {
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawRect(QRectF(x, 3, 2, 10));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double w = 1.3) {
    Pen(p, c, w);
    p.drawLine(from, to);
    const double dx = to.x() - from.x(), dy = to.y() - from.y(), len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len;
    p.setBrush(c);
    p.drawPolygon(QPolygonF{to, QPointF(to.x() - 3.5 * ux + 2 * uy, to.y() - 3.5 * uy - 2 * ux),
                            QPointF(to.x() - 3.5 * ux - 2 * uy, to.y() - 3.5 * uy + 2 * ux)});
}

// A circular arrow about (8, 8); `backwards` runs it the other way.
void Circling(QPainter& p, bool backwards, const QColor& c) {
    Pen(p, c, 1.5);
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
    p.setBrush(c);
    if (backwards) p.drawPolygon(QPolygonF{QPointF(11, 1), QPointF(11, 7), QPointF(15, 3)});
    else p.drawPolygon(QPolygonF{QPointF(5, 1), QPointF(5, 7), QPointF(1, 3)});
}

void Table(QPainter& p, const Painter& overlay) {
    p.setPen(QPen(Ink, 0.7));
    p.setBrush(Paper);
    p.drawRect(QRectF(1, 1, 14, 14));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(1, 1 + 3.5 * i), QPointF(15, 1 + 3.5 * i));
    p.drawLine(QPointF(6, 1), QPointF(6, 15));
    overlay(p);
}

void Magnifier(QPainter& p) {
    Pen(p, Ink, 1.4);
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    Pen(p, Ink, 2.4);
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void Letter(QPainter& p, const QString& text, const QRectF& box, const QColor& c, int pixels = 8) {
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

void Rotation(QPainter& p, const QString& axis) {
    Pen(p, Blue, 1.4);
    p.drawArc(QRectF(1, 4, 14, 9), 20 * 16, 300 * 16);
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF{QPointF(13, 4), QPointF(15.5, 8), QPointF(11, 8)});
    Letter(p, axis, QRectF(4, 4, 8, 9), Red);
}

const std::map<std::string, Painter>& Painters() {
    static const std::map<std::string, Painter> painters{
        // Toolbar1: documents, clipboard, help.
        {"barNew2D", [](QPainter& p) { Page(p); SineCurve(p, Blue, 4, 12, 9, 3); }},
        {"barNew25D", [](QPainter& p) { Page(p); p.save(); p.translate(2, 3); p.scale(0.65, 0.65); Band(p, false); p.restore(); }},
        {"barNew3D", [](QPainter& p) { Page(p); p.save(); p.translate(3, 4); p.scale(0.6, 0.6); Mesh(p, true); p.restore(); }},
        {"barNewSpe", [](QPainter& p) {
             Page(p);
             Pen(p, Red, 0.9);
             p.drawEllipse(QPointF(8, 9), 3.5, 2.5);
             p.drawEllipse(QPointF(8, 9), 1.5, 1);
         }},
        {"barOpen", [](QPainter& p) {
             p.setPen(QPen(QColor(120, 90, 20), 0.8));
             p.setBrush(QColor(240, 200, 90));
             p.drawPolygon(QPolygonF{QPointF(1, 4), QPointF(6, 4), QPointF(7, 5), QPointF(13, 5), QPointF(13, 14), QPointF(1, 14)});
             p.setBrush(QColor(255, 225, 120));
             p.drawPolygon(QPolygonF{QPointF(3, 8), QPointF(15, 8), QPointF(13, 14), QPointF(1, 14)});
         }},
        {"barSave", [](QPainter& p) {
             p.setPen(QPen(QColor(20, 30, 80), 0.8));
             p.setBrush(QColor(50, 80, 170));
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 2, 8, 5));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(4, 10, 8, 4.5));
         }},
        {"barSaveAs", [](QPainter& p) {
             p.setPen(QPen(QColor(20, 30, 80), 0.8));
             p.setBrush(QColor(50, 80, 170));
             p.drawRect(QRectF(1.5, 1.5, 11, 11));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(3.5, 2, 7, 4));
             Pen(p, Orange, 2);
             p.drawLine(QPointF(8, 15), QPointF(15, 8));
         }},
        {"barPrint", [](QPainter& p) {
             p.setPen(QPen(Ink, 0.8));
             p.setBrush(Paper);
             p.drawRect(QRectF(4, 1, 8, 5));
             p.setBrush(QColor(170, 170, 170));
             p.drawRect(QRectF(1, 6, 14, 6));
             p.setBrush(Paper);
             p.drawRect(QRectF(4, 10, 8, 5));
         }},
        {"barCut", [](QPainter& p) {
             Pen(p, Ink, 1.2);
             p.drawLine(QPointF(5, 1), QPointF(10, 10));
             p.drawLine(QPointF(11, 1), QPointF(6, 10));
             Pen(p, Red, 1.4);
             p.drawEllipse(QPointF(5, 12), 2.3, 2.3);
             p.drawEllipse(QPointF(11, 12), 2.3, 2.3);
         }},
        {"barCopy", [](QPainter& p) {
             p.setPen(QPen(Ink, 0.8));
             p.setBrush(Paper);
             p.drawRect(QRectF(1.5, 1.5, 8, 10));
             p.drawRect(QRectF(6.5, 4.5, 8, 10));
         }},
        {"barCopyAs", [](QPainter& p) {
             p.setPen(QPen(Ink, 0.8));
             p.setBrush(Paper);
             p.drawRect(QRectF(1.5, 1.5, 8, 10));
             p.setBrush(QColor(120, 200, 120));
             p.drawRect(QRectF(6.5, 4.5, 8, 10));
             p.setBrush(QColor(250, 220, 60));
             p.drawEllipse(QPointF(10.5, 8), 1.8, 1.8);
         }},
        {"barPaste", [](QPainter& p) {
             p.setPen(QPen(QColor(100, 70, 20), 0.8));
             p.setBrush(QColor(200, 150, 80));
             p.drawRect(QRectF(2, 2.5, 10, 12));
             p.setBrush(QColor(180, 180, 180));
             p.drawRect(QRectF(4.5, 1, 5, 3));
             p.setPen(QPen(Ink, 0.8));
             p.setBrush(Paper);
             p.drawRect(QRectF(7, 6.5, 7.5, 8.5));
         }},
        {"varDel", [](QPainter& p) {
             Pen(p, Red, 2.4);
             p.drawLine(QPointF(3, 3), QPointF(13, 13));
             p.drawLine(QPointF(13, 3), QPointF(3, 13));
         }},
        {"barHelp", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             p.drawEllipse(QPointF(8, 8), 7, 7);
             Letter(p, QStringLiteral("?"), QRectF(0, 0, 16, 16), Qt::white, 12);
         }},
        // Toolbar1: new animations, playback.
        {"barAnimPoints", [](QPainter& p) {
             Axes2D(p);
             p.setPen(Qt::NoPen);
             p.setBrush(Red);
             p.drawEllipse(QPointF(6, 6), 2.5, 2.5);
             PlayBadge(p);
         }},
        {"barAnim2DCart", [](QPainter& p) { Axes2D(p); SineCurve(p, Blue, 3, 15, 6, 3); PlayBadge(p); }},
        {"barAnim2DPolar", [](QPainter& p) { Rose(p, Blue); PlayBadge(p); }},
        {"barAnim25DCart", [](QPainter& p) { Band(p, false); PlayBadge(p); }},
        {"barAnim25DPolar", [](QPainter& p) { Band(p, true); PlayBadge(p); }},
        {"barAnim3DCart", [](QPainter& p) { Mesh(p, true); PlayBadge(p); }},
        {"barAnim3DCyl", [](QPainter& p) { Cylinder(p); PlayBadge(p); }},
        {"barAnim3DSph", [](QPainter& p) { Sphere(p, 6); PlayBadge(p); }},
        {"barAnimStart", [](QPainter& p) { Triangle(p, 5, true, Green); }},
        {"barAnimPause", [](QPainter& p) { Bar(p, 4); Bar(p, 10); }},
        {"barAnimStop", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Red);
             p.drawRect(QRectF(3.5, 3.5, 9, 9));
         }},
        {"barAnimFirst", [](QPainter& p) { Bar(p, 2); Triangle(p, 4.5, false, Ink); Triangle(p, 9, false, Ink); }},
        {"barAnimPre", [](QPainter& p) { Bar(p, 11); Triangle(p, 4, false, Ink); }},
        {"barAnimNext", [](QPainter& p) { Bar(p, 3); Triangle(p, 6, true, Ink); }},
        {"barAnimLast", [](QPainter& p) { Triangle(p, 1.5, true, Ink); Triangle(p, 6, true, Ink); Bar(p, 12); }},
        {"barAnimNormal", [](QPainter& p) { Arrow(p, QPointF(2, 8), QPointF(14, 8), Green, 1.8); }},
        {"barAnimRev", [](QPainter& p) { Arrow(p, QPointF(14, 8), QPointF(2, 8), Orange, 1.8); }},
        {"barAnimNormalRepeat", [](QPainter& p) { Circling(p, false, Green); }},
        {"barAnimRevRepeat", [](QPainter& p) { Circling(p, true, Orange); }},
        // Toolbar2: graph creation.
        {"barPoints", [](QPainter& p) {
             Axes2D(p);
             p.setPen(Qt::NoPen);
             p.setBrush(Red);
             p.drawEllipse(QPointF(8, 7), 2.8, 2.8);
         }},
        {"barFun2DCart", [](QPainter& p) { Axes2D(p); SineCurve(p, Blue); }},
        {"barFun2DPolar", [](QPainter& p) {
             Pen(p, QColor(160, 160, 160), 0.6);
             p.drawLine(QPointF(8, 1), QPointF(8, 15));
             p.drawLine(QPointF(1, 8), QPointF(15, 8));
             Rose(p, Blue);
         }},
        {"barFun25DCart", [](QPainter& p) { Band(p, false); }},
        {"barFun25DPolar", [](QPainter& p) { Band(p, true); }},
        {"barFun3DCart", [](QPainter& p) { Mesh(p, true); }},
        {"barFun3DCyl", [](QPainter& p) { Cylinder(p); }},
        {"barFun3DSph", [](QPainter& p) { Sphere(p); }},
        {"barColormap", [](QPainter& p) {
             for (int i = 0; i < 4; ++i)
                 for (int j = 0; j < 4; ++j) {
                     p.setPen(Qt::NoPen);
                     p.setBrush(QColor::fromHsv(240 - 30 * (i + j), 200, 240));
                     p.drawRect(QRectF(1 + 3.5 * i, 1 + 3.5 * j, 3.5, 3.5));
                 }
         }},
        {"barContour", [](QPainter& p) {
             const QColor rings[3] = {Blue, Green, Red};
             for (int i = 0; i < 3; ++i) {
                 Pen(p, rings[i], 1.1);
                 p.drawEllipse(QPointF(8, 8), 7 - 2.2 * i, 5 - 1.6 * i);
             }
         }},
        {"barVectorPlot", [](QPainter& p) {
             for (int i = 0; i < 2; ++i)
                 for (int j = 0; j < 2; ++j)
                     Arrow(p, QPointF(2 + 7 * i, 6 + 7 * j), QPointF(6 + 7 * i, 2 + 7 * j), Blue, 1.1);
         }},
        {"barTab2", [](QPainter& p) { Table(p, [](QPainter& q) { SineCurve(q, Red, 7, 15, 8, 3); }); }},
        {"barTab25", [](QPainter& p) {
             Table(p, [](QPainter& q) {
                 q.setPen(Qt::NoPen);
                 q.setBrush(QColor(120, 170, 240, 200));
                 q.drawPolygon(QPolygonF{QPointF(7, 12), QPointF(11, 6), QPointF(15, 4), QPointF(15, 9), QPointF(11, 11), QPointF(7, 15)});
             });
         }},
        {"barTab3", [](QPainter& p) {
             Table(p, [](QPainter& q) {
                 q.save();
                 q.translate(6, 5);
                 q.scale(0.6, 0.6);
                 Mesh(q, true);
                 q.restore();
             });
         }},
        {"barInter", [](QPainter& p) {
             Axes2D(p);
             SineCurve(p, Blue, 3, 15, 8, 4);
             Pen(p, Green, 1.3);
             p.drawLine(QPointF(3, 13), QPointF(15, 3));
             p.setPen(Qt::NoPen);
             p.setBrush(Red);
             p.drawEllipse(QPointF(9, 8), 1.8, 1.8);
         }},
        {"barLimit", [](QPainter& p) {
             Axes2D(p);
             p.setPen(QPen(Red, 0.8, Qt::DashLine));
             p.drawLine(QPointF(2, 4), QPointF(15, 4));
             QPainterPath path;
             path.moveTo(3, 13);
             path.cubicTo(6, 5, 10, 4.5, 15, 4.4);
             Pen(p, Blue, 1.4);
             p.drawPath(path);
         }},
        {"barODE", [](QPainter& p) {
             Pen(p, QColor(150, 150, 150), 0.8);
             for (int i = 0; i < 3; ++i)
                 for (int j = 0; j < 3; ++j) {
                     const double x = 3 + 5 * i, y = 3 + 5 * j, s = 0.3 * (i - j);
                     p.drawLine(QPointF(x - 1.5, y + 1.5 * s), QPointF(x + 1.5, y - 1.5 * s));
                 }
             QPainterPath path;
             path.moveTo(1, 14);
             path.quadTo(8, 12, 15, 2);
             Pen(p, Blue, 1.4);
             p.drawPath(path);
         }},
        {"barSeries", [](QPainter& p) {
             Axes2D(p);
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             for (int i = 0; i < 5; ++i) {
                 const double h = 10.0 / (i + 1);
                 p.drawRect(QRectF(4 + 2.3 * i, 14 - h, 1.6, h));
             }
         }},
        {"barStep", [](QPainter& p) {
             Axes2D(p);
             Pen(p, Blue, 1.4);
             p.drawPolyline(QPolygonF{QPointF(3, 12), QPointF(6, 12), QPointF(6, 9), QPointF(9, 9), QPointF(9, 6),
                                      QPointF(12, 6), QPointF(12, 3), QPointF(15, 3)});
         }},
        {"barStem", [](QPainter& p) {
             Axes2D(p);
             const double tops[4] = {9, 5, 7, 3};
             for (int i = 0; i < 4; ++i) {
                 const double x = 4.5 + 3 * i;
                 Pen(p, Blue, 1);
                 p.drawLine(QPointF(x, 14), QPointF(x, tops[i]));
                 p.setPen(Qt::NoPen);
                 p.setBrush(Red);
                 p.drawEllipse(QPointF(x, tops[i]), 1.5, 1.5);
             }
         }},
        {"barSurByRot", [](QPainter& p) {
             QPainterPath vase;
             vase.moveTo(5, 2);
             vase.cubicTo(2, 6, 7, 9, 4, 14);
             vase.lineTo(12, 14);
             vase.cubicTo(9, 9, 14, 6, 11, 2);
             vase.closeSubpath();
             QLinearGradient g(3, 0, 13, 0);
             g.setColorAt(0, QColor(80, 130, 210));
             g.setColorAt(0.5, QColor(210, 230, 255));
             g.setColorAt(1, QColor(60, 100, 190));
             p.setPen(QPen(QColor(30, 60, 140), 0.8));
             p.setBrush(g);
             p.drawPath(vase);
             Pen(p, Red, 1);
             p.drawArc(QRectF(2, 0.5, 12, 4), 200 * 16, 300 * 16);
         }},
        {"barVect", [](QPainter& p) {
             Pen(p, QColor(150, 150, 150), 0.8);
             p.drawLine(QPointF(3, 13), QPointF(15, 13));
             p.drawLine(QPointF(3, 13), QPointF(3, 1));
             p.drawLine(QPointF(3, 13), QPointF(0.5, 15.5));
             Arrow(p, QPointF(3, 13), QPointF(13, 4), Red, 1.5);
         }},
        {"barVectOp", [](QPainter& p) {
             Arrow(p, QPointF(2, 14), QPointF(12, 12), Blue, 1.3);
             Arrow(p, QPointF(2, 14), QPointF(5, 4), Green, 1.3);
             Arrow(p, QPointF(2, 14), QPointF(14, 3), Red, 1.5);
         }},
        {"barCoord", [](QPainter& p) {
             Arrow(p, QPointF(6, 10), QPointF(15, 10), Red, 1.1);
             Arrow(p, QPointF(6, 10), QPointF(6, 1), Green, 1.1);
             Arrow(p, QPointF(6, 10), QPointF(1, 15), Blue, 1.1);
         }},
        {"barLight", [](QPainter& p) {
             Pen(p, Orange, 1.1);
             for (int i = 0; i < 8; ++i) {
                 const double a = i * 3.14159 / 4;
                 p.drawLine(QPointF(8 + 5 * std::cos(a), 7 + 5 * std::sin(a)), QPointF(8 + 7 * std::cos(a), 7 + 7 * std::sin(a)));
             }
             p.setPen(QPen(QColor(160, 110, 0), 0.8));
             p.setBrush(QColor(255, 220, 60));
             p.drawEllipse(QPointF(8, 7), 3.8, 3.8);
         }},
        // Toolbar3: views.
        {"barViewFront", [](QPainter& p) { Cube(p, 1); }},
        {"barViewRight", [](QPainter& p) { Cube(p, 2); }},
        {"barViewTop", [](QPainter& p) { Cube(p, 3); }},
        {"barViewISO", [](QPainter& p) {
             Cube(p, 0);
             Letter(p, QStringLiteral("I"), QRectF(2, 6, 8, 8), Blue, 7);
         }},
        {"barViewOrtho", [](QPainter& p) { Box(p, QRectF(2, 6, 8, 8), QPointF(6, 2), QPointF(14, 2), QPointF(14, 10)); }},
        {"barViewPer", [](QPainter& p) {
             Box(p, QRectF(1.5, 4, 9, 10), QPointF(7, 2), QPointF(12, 2), QPointF(12, 9.5));
         }},
        {"barMove", [](QPainter& p) {
             Arrow(p, QPointF(8, 8), QPointF(8, 1), Ink, 1.1);
             Arrow(p, QPointF(8, 8), QPointF(8, 15), Ink, 1.1);
             Arrow(p, QPointF(8, 8), QPointF(1, 8), Ink, 1.1);
             Arrow(p, QPointF(8, 8), QPointF(15, 8), Ink, 1.1);
         }},
        {"barZoom", [](QPainter& p) {
             Magnifier(p);
             Pen(p, Ink, 1.2);
             p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
             p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
         }},
        {"barZoomAll", [](QPainter& p) {
             p.setPen(QPen(Red, 0.9, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(0.5, 0.5, 15, 15));
             Magnifier(p);
         }},
        {"barRotX", [](QPainter& p) { Rotation(p, QStringLiteral("X")); }},
        {"barRotY", [](QPainter& p) { Rotation(p, QStringLiteral("Y")); }},
        {"barRotZ", [](QPainter& p) { Rotation(p, QStringLiteral("Z")); }},
        {"barTrackBall", [](QPainter& p) {
             Sphere(p, 5.5);
             Pen(p, Orange, 1.2);
             p.drawArc(QRectF(0.5, 5, 15, 6), 200 * 16, 140 * 16);
             p.drawArc(QRectF(5, 0.5, 6, 15), 110 * 16, 140 * 16);
         }},
        // Toolbar3: the model and the smoothness of one graph.
        {"barModelPoint", [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             for (int i = 0; i < 4; ++i)
                 for (int j = 0; j < 4; ++j) p.drawEllipse(QPointF(2.5 + 3.6 * i + j * 0.8, 3 + 3.4 * j), 1, 1);
         }},
        {"barModelGrid", [](QPainter& p) { Mesh(p, false); }},
        {"barModelSur", [](QPainter& p) { Mesh(p, true); }},
        {"bar3DFlat", [](QPainter& p) {
             const QColor tones[4] = {QColor(40, 80, 170), QColor(70, 120, 210), QColor(110, 160, 240), QColor(160, 200, 255)};
             for (int i = 0; i < 4; ++i) {
                 p.setPen(QPen(QColor(20, 40, 100), 0.5));
                 p.setBrush(tones[i]);
                 p.drawPolygon(QPolygonF{QPointF(8, 8), QPointF(8 + 7 * std::cos(i * 1.5708), 8 - 7 * std::sin(i * 1.5708)),
                                         QPointF(8 + 7 * std::cos((i + 1) * 1.5708), 8 - 7 * std::sin((i + 1) * 1.5708))});
             }
         }},
        {"bar3DSmooth", [](QPainter& p) {
             QPolygonF oct;
             for (int i = 0; i < 8; ++i) oct << QPointF(8 + 7 * std::cos(i * 0.7854), 8 - 7 * std::sin(i * 0.7854));
             QLinearGradient g(2, 2, 14, 14);
             g.setColorAt(0, QColor(180, 210, 255));
             g.setColorAt(1, QColor(40, 80, 170));
             p.setPen(QPen(QColor(20, 40, 100), 0.5));
             p.setBrush(g);
             p.drawPolygon(oct);
         }},
        {"bar3DSmoothest", [](QPainter& p) { Sphere(p, 7); }},
    };
    return painters;
}

} // namespace

QPixmap ToolPicture(const std::string& key) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    const auto it = Painters().find(key);
    if (it == Painters().end()) return pm;
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    it->second(p);
    return pm;
}

bool HasToolPicture(const std::string& key) { return Painters().count(key) != 0; }
