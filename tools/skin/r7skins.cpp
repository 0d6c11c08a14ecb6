// Draws the scene's two skins: every image the scene names, in a dark
// "gaming" look with one accent colour per skin. Usage: r7skins <img folder>
// writes <folder>/skin1 and <folder>/skin2.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

struct Scheme
{
    QColor accent;     // frames, glows, lit cells
    QColor accent2;    // second tone of gradients
    QColor base;       // darkest background
    QColor panel;      // panel fill
    QColor panelLight; // raised surfaces
};

QString g_root;
int g_failures = 0;

using Painter = std::function<void(QPainter &, int w, int h)>;

void save(const QString &path, int w, int h, const Painter &draw)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p, w, h);
    }
    const QString file = g_root + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "r7skins: cannot write %s\n", qPrintable(file));
        ++g_failures;
    }
}

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// A soft glow: several widening translucent strokes of the path.
void glowPath(QPainter &p, const QPainterPath &path, const QColor &c, int strength = 4)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = strength; i >= 1; --i) {
        p.setPen(QPen(alpha(c, 18 + 10 * (strength - i)), i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.restore();
}

QPainterPath roundRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A dark raised surface with a thin accent frame; lit = the hover state.
void panelBox(QPainter &p, const QRectF &r, const Scheme &s, bool lit, qreal radius = 3)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, lit ? s.panelLight.lighter(130) : s.panelLight);
    g.setColorAt(1, s.panel);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(roundRect(r, radius));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lit ? s.accent : alpha(s.accent, 120), 1));
    p.drawPath(roundRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

// A square icon button: frame plus a glyph drawn by the caller.
void iconButton(const QString &path, int size, const Scheme &s, bool lit,
                const std::function<void(QPainter &, const QRectF &, const QColor &)> &glyph)
{
    save(path, size, size, [&](QPainter &p, int w, int h) {
        const QRectF r(0, 0, w, h);
        panelBox(p, r, s, lit, 3);
        if (lit)
            glowPath(p, roundRect(r.adjusted(2, 2, -2, -2), 2), s.accent, 2);
        glyph(p, r.adjusted(w * 0.25, h * 0.25, -w * 0.25, -h * 0.25), lit ? Qt::white : s.accent);
    });
}

void drawText(QPainter &p, const QRectF &r, const QString &text, int pixelSize, const QColor &c, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawSkin(const QString &name, const Scheme &s)
{
    const QString d = name + QLatin1Char('/');

    // Background: deep gradient, a faint hex-like grid and a central glow.
    save(d + "background.png", 1000, 600, [&](QPainter &p, int w, int h) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, s.base.lighter(160));
        g.setColorAt(0.5, s.base);
        g.setColorAt(1, s.base.darker(140));
        p.fillRect(0, 0, w, h, g);
        QRadialGradient glow(w / 2.0, h * 0.45, w * 0.55);
        glow.setColorAt(0, alpha(s.accent, 62));
        glow.setColorAt(0.6, alpha(s.accent2, 14));
        glow.setColorAt(1, Qt::transparent);
        p.fillRect(0, 0, w, h, glow);
        p.setPen(QPen(alpha(s.accent, 20), 1));
        for (int x = -h; x < w; x += 24)
            p.drawLine(x, 0, x + h, h);
        for (int x = 0; x < w + h; x += 24)
            p.drawLine(x, 0, x - h, h);
    });

    // Frame: a bevelled outline with cut corners and a glowing edge.
    save(d + "frame/frameBackground.png", 1000, 600, [&](QPainter &p, int w, int h) {
        QPainterPath outer;
        const qreal c = 18;
        outer.moveTo(c, 1);
        outer.lineTo(w - c, 1);
        outer.lineTo(w - 1, c);
        outer.lineTo(w - 1, h - c);
        outer.lineTo(w - c, h - 1);
        outer.lineTo(c, h - 1);
        outer.lineTo(1, h - c);
        outer.lineTo(1, c);
        outer.closeSubpath();
        QPainterPath inner;
        inner.addRect(QRectF(10, 60, w - 20, h - 120));
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(s.base.darker(200), 150));
        p.drawPath(outer.subtracted(inner));
        glowPath(p, outer, s.accent, 3);
        p.setPen(QPen(s.accent, 1.5));
        p.drawPath(outer);
        // Header and footer strips.
        QLinearGradient top(0, 0, 0, 60);
        top.setColorAt(0, alpha(s.panelLight, 220));
        top.setColorAt(1, alpha(s.panel, 120));
        p.setBrush(top);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(12, 3, w - 24, 54));
        p.setPen(QPen(alpha(s.accent, 160), 1));
        p.drawLine(QPointF(160, 60), QPointF(w - 160, 60));
        p.drawLine(QPointF(160, h - 60), QPointF(w - 160, h - 60));
        // Corner marks.
        p.setPen(QPen(s.accent2, 3));
        p.drawLine(QPointF(6, 40), QPointF(6, 90));
        p.drawLine(QPointF(w - 6, 40), QPointF(w - 6, 90));
        p.drawLine(QPointF(6, h - 90), QPointF(6, h - 40));
        p.drawLine(QPointF(w - 6, h - 90), QPointF(w - 6, h - 40));
    });

    for (int k = 1; k <= 2; ++k) {
        save(d + QStringLiteral("frame/decoration%1.png").arg(k), 140, 30, [&](QPainter &p, int w, int h) {
            const bool mirror = k == 2;
            p.translate(mirror ? w : 0, 0);
            p.scale(mirror ? -1 : 1, 1);
            for (int i = 0; i < 4; ++i) {
                QPainterPath chevron;
                const qreal x = 20 + i * 16;
                chevron.moveTo(x, 4);
                chevron.lineTo(x + 10, h / 2.0);
                chevron.lineTo(x, h - 4);
                p.setPen(QPen(alpha(s.accent, 80 + 45 * i), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPath(chevron);
            }
            p.setPen(QPen(alpha(s.accent2, 200), 2));
            p.drawLine(QPointF(90, h / 2.0), QPointF(w - 4, h / 2.0));
        });
    }

    for (int lit = 0; lit <= 1; ++lit) {
        save(d + QStringLiteral("frame/web_%1.png").arg(lit), 200, 46, [&](QPainter &p, int w, int h) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(30);
            f.setBold(true);
            f.setItalic(true);
            QPainterPath text;
            text.addText(0, 0, f, QStringLiteral("R7"));
            QFont f2(QStringLiteral("DejaVu Sans"));
            f2.setPixelSize(12);
            f2.setBold(true);
            f2.setLetterSpacing(QFont::AbsoluteSpacing, 3);
            QPainterPath sub;
            sub.addText(0, 0, f2, QStringLiteral("GAMING"));
            const QRectF tb = text.boundingRect();
            const QRectF sb = sub.boundingRect();
            const qreal total = tb.width() + 10 + sb.width();
            text.translate((w - total) / 2 - tb.left(), h / 2.0 - tb.center().y());
            sub.translate((w - total) / 2 + tb.width() + 10 - sb.left(), h / 2.0 - sb.center().y());
            glowPath(p, text, s.accent, lit ? 5 : 3);
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, Qt::white);
            g.setColorAt(1, lit ? s.accent.lighter(150) : s.accent);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(text);
            p.setBrush(lit ? Qt::white : QColor(200, 200, 210));
            p.drawPath(sub);
        });
    }

    // Top bar: a thin strip with the settings and close buttons.
    save(d + "list_up/listUpContainer.png", 984, 34, [&](QPainter &p, int w, int h) {
        p.setPen(Qt::NoPen);
        QLinearGradient g(0, 0, w, 0);
        g.setColorAt(0, Qt::transparent);
        g.setColorAt(0.15, alpha(s.accent, 60));
        g.setColorAt(0.85, alpha(s.accent, 60));
        g.setColorAt(1, Qt::transparent);
        p.setBrush(g);
        p.drawRect(QRectF(0, h - 2, w, 1));
    });
    for (int lit = 0; lit <= 1; ++lit) {
        iconButton(d + QStringLiteral("list_up/applicationSetting_%1.png").arg(lit), 28, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 2));
                       p.setBrush(Qt::NoBrush);
                       p.drawEllipse(r.center(), r.width() / 3, r.width() / 3);
                       for (int i = 0; i < 8; ++i) {
                           const qreal a = i * M_PI / 4;
                           p.drawLine(r.center() + QPointF(std::cos(a), std::sin(a)) * r.width() * 0.38,
                                      r.center() + QPointF(std::cos(a), std::sin(a)) * r.width() * 0.55);
                       }
                   });
        iconButton(d + QStringLiteral("list_up/applicationMinimize_%1.png").arg(lit), 28, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
                       p.drawLine(r.topLeft(), r.bottomRight());
                       p.drawLine(r.topRight(), r.bottomLeft());
                   });
    }

    // Bottom bar.
    save(d + "list_dn/listDnContainer.png", 982, 40, [&](QPainter &p, int w, int h) {
        QPainterPath bar;
        bar.moveTo(120, 0);
        bar.lineTo(w - 120, 0);
        bar.lineTo(w - 90, h - 1);
        bar.lineTo(90, h - 1);
        bar.closeSubpath();
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, alpha(s.panelLight, 230));
        g.setColorAt(1, alpha(s.panel, 230));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(bar);
        glowPath(p, bar, s.accent, 2);
        p.setPen(QPen(s.accent, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bar);
    });

    // Profile menu: a tall rail with ten slots.
    save(d + "list_pf/listPfContainer.png", 80, 370, [&](QPainter &p, int w, int h) {
        const QRectF r(4, 70, w - 8, h - 74);
        panelBox(p, r, s, false, 6);
        drawText(p, QRectF(0, 74, w, 20), QStringLiteral("PROFILE"), 10, s.accent);
        p.setPen(QPen(alpha(s.accent, 90), 1));
        p.drawLine(QPointF(14, 94), QPointF(w - 14, 94));
    });
    for (int lit = 0; lit <= 1; ++lit) {
        save(d + QStringLiteral("list_pf/profileFW_%1.png").arg(lit), 12, 12, [&](QPainter &p, int w, int h) {
            QRadialGradient g(w / 2.0, h / 2.0, w / 2.0);
            g.setColorAt(0, lit ? Qt::white : s.panelLight.lighter(220));
            g.setColorAt(0.5, lit ? s.accent : s.panelLight.lighter(160));
            g.setColorAt(1, lit ? alpha(s.accent, 60) : alpha(s.panelLight, 120));
            p.setPen(QPen(lit ? s.accent : alpha(s.accent, 110), 1));
            p.setBrush(g);
            p.drawEllipse(QRectF(1, 1, w - 2, h - 2));
        });
    }

    // Function menu buttons and icons.
    for (int lit = 0; lit <= 1; ++lit) {
        save(d + QStringLiteral("list_fn/listFnBtn_%1.png").arg(lit), 150, 37, [&](QPainter &p, int w, int h) {
            QPainterPath shape;
            shape.moveTo(0, 0);
            shape.lineTo(w - 14, 0);
            shape.lineTo(w - 1, h / 2.0);
            shape.lineTo(w - 14, h - 1);
            shape.lineTo(0, h - 1);
            shape.closeSubpath();
            QLinearGradient g(0, 0, w, 0);
            g.setColorAt(0, lit ? alpha(s.accent, 120) : alpha(s.panelLight, 220));
            g.setColorAt(1, alpha(s.panel, 200));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(shape);
            if (lit)
                glowPath(p, shape, s.accent, 2);
            p.setPen(QPen(lit ? s.accent : alpha(s.accent, 110), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
            p.fillRect(QRectF(0, 0, 3, h), s.accent);
        });
        const QColor c = lit ? Qt::white : s.accent;
        save(d + QStringLiteral("list_fn/fnKeydefine_%1.png").arg(lit), 24, 24, [&](QPainter &p, int, int) {
            p.setPen(QPen(c, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(2, 6, 20, 13), 2, 2);
            for (int i = 0; i < 4; ++i)
                p.fillRect(QRectF(5 + i * 4, 9, 2, 2), c);
            p.fillRect(QRectF(7, 14, 10, 2), c);
        });
        save(d + QStringLiteral("list_fn/fnMacro_%1.png").arg(lit), 24, 24, [&](QPainter &p, int, int) {
            p.setPen(QPen(c, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(3, 3, 18, 18));
            QPainterPath play;
            play.moveTo(10, 8);
            play.lineTo(16, 12);
            play.lineTo(10, 16);
            play.closeSubpath();
            p.setBrush(c);
            p.drawPath(play);
        });
        save(d + QStringLiteral("list_fn/fnColor_%1.png").arg(lit), 24, 24, [&](QPainter &p, int, int) {
            const QColor colours[3] = {QColor(255, 60, 60), QColor(60, 255, 90), QColor(60, 140, 255)};
            const QPointF centres[3] = {QPointF(12, 8), QPointF(8, 15), QPointF(16, 15)};
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 3; ++i) {
                p.setBrush(alpha(lit ? colours[i] : colours[i].darker(140), 200));
                p.drawEllipse(centres[i], 6, 6);
            }
        });
    }

    // Page backgrounds.
    auto pageBackground = [&](const QString &path, int w, int h, int opacity) {
        save(path, w, h, [&](QPainter &p, int pw, int ph) {
            const QRectF r(0.5, 0.5, pw - 1, ph - 1);
            QPainterPath shape;
            const qreal c = 14;
            shape.moveTo(r.left() + c, r.top());
            shape.lineTo(r.right(), r.top());
            shape.lineTo(r.right(), r.bottom() - c);
            shape.lineTo(r.right() - c, r.bottom());
            shape.lineTo(r.left(), r.bottom());
            shape.lineTo(r.left(), r.top() + c);
            shape.closeSubpath();
            QLinearGradient g(0, 0, 0, ph);
            g.setColorAt(0, alpha(s.panelLight, opacity));
            g.setColorAt(1, alpha(s.panel, std::min(255, opacity + 15)));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(shape);
            p.setPen(QPen(alpha(s.accent, 140), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
            p.setPen(QPen(s.accent, 3));
            p.drawLine(QPointF(r.left() + c + 4, r.top() + 1.5), QPointF(r.left() + c + 80, r.top() + 1.5));
        });
    };
    pageBackground(d + "list_center/globalsettingBackground.png", 340, 420, 240);
    pageBackground(d + "list_center/fnKeydefineBackground.png", 759, 442, 200);
    pageBackground(d + "list_center/fnColorBackground.png", 759, 442, 200);
    pageBackground(d + "list_center/fnCommonBackground.png", 759, 396, 200);

    // Common controls.
    save(d + "common/slider_BASE.png", 151, 23, [&](QPainter &p, int w, int h) {
        panelBox(p, QRectF(0, 0, w, h), s, false, 2);
    });
    for (int lit = 0; lit <= 1; ++lit) {
        save(d + QStringLiteral("common/slider_FILLER_%1.png").arg(lit), 21, 21, [&](QPainter &p, int w, int h) {
            const QRectF r(2, 3, w - 4, h - 6);
            if (lit) {
                QLinearGradient g(0, r.top(), 0, r.bottom());
                g.setColorAt(0, s.accent.lighter(140));
                g.setColorAt(1, s.accent2);
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawRoundedRect(r, 2, 2);
                glowPath(p, roundRect(r, 2), s.accent, 1);
            } else {
                // Light enough that the direction wheel's dark arrows read.
                QLinearGradient g(0, r.top(), 0, r.bottom());
                g.setColorAt(0, s.panelLight.lighter(190));
                g.setColorAt(1, s.panelLight.lighter(140));
                p.setPen(QPen(alpha(s.accent, 90), 1));
                p.setBrush(g);
                p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
            }
        });
        save(d + QStringLiteral("common/slider_11_FILLER_%1.png").arg(lit), 26, 10, [&](QPainter &p, int w, int h) {
            p.setPen(lit ? Qt::NoPen : QPen(alpha(s.accent, 70), 1));
            p.setBrush(lit ? s.accent : alpha(s.base, 200));
            p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 2, 2);
        });
        save(d + QStringLiteral("common/btnGroup_FILLER_%1.png").arg(lit), 75, 18, [&](QPainter &p, int w, int h) {
            panelBox(p, QRectF(0, 0, w, h), s, lit, 2);
            if (lit)
                p.fillRect(QRectF(2, h - 3, w - 4, 2), s.accent);
        });
        save(d + QStringLiteral("common/checkbox_%1.png").arg(lit), 13, 13, [&](QPainter &p, int w, int h) {
            p.setPen(QPen(s.accent, 1));
            p.setBrush(alpha(s.base, 220));
            p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 2, 2);
            if (lit) {
                p.setPen(Qt::NoPen);
                p.setBrush(s.accent);
                p.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 1, 1);
            }
        });
        iconButton(d + QStringLiteral("common/reset_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
                       p.setBrush(Qt::NoBrush);
                       p.drawArc(r, 60 * 16, 280 * 16);
                       p.drawLine(r.center() + QPointF(r.width() / 4, -r.height() / 2),
                                  r.center() + QPointF(r.width() / 2 + 1, -r.height() / 2 + 3));
                   });
        iconButton(d + QStringLiteral("common/apply_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       QPainterPath tick;
                       tick.moveTo(r.left(), r.center().y());
                       tick.lineTo(r.left() + r.width() * 0.4, r.bottom());
                       tick.lineTo(r.right(), r.top());
                       p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                       p.setBrush(Qt::NoBrush);
                       p.drawPath(tick);
                   });
        iconButton(d + QStringLiteral("common/add_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
                       p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
                       p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
                   });
        auto minus = [](QPainter &p, const QRectF &r, const QColor &c) {
            p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        };
        iconButton(d + QStringLiteral("common/delete_%1.png").arg(lit), 21, s, lit, minus);
        iconButton(d + QStringLiteral("common/record_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &) {
                       p.setPen(Qt::NoPen);
                       p.setBrush(QColor(255, 60, 60));
                       p.drawEllipse(r.center(), r.width() / 2.2, r.height() / 2.2);
                   });
        iconButton(d + QStringLiteral("common/stop_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.fillRect(r.adjusted(1, 1, -1, -1), c);
                   });
        iconButton(d + QStringLiteral("common/solid-delete_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
                       p.drawLine(r.topLeft(), r.bottomRight());
                       p.drawLine(r.topRight(), r.bottomLeft());
                   });
        iconButton(d + QStringLiteral("common/solid-cut_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 1.5));
                       p.setBrush(Qt::NoBrush);
                       p.drawEllipse(QPointF(r.left() + 2, r.bottom() - 2), 2, 2);
                       p.drawEllipse(QPointF(r.right() - 2, r.bottom() - 2), 2, 2);
                       p.drawLine(QPointF(r.left() + 3, r.bottom() - 4), QPointF(r.right(), r.top()));
                       p.drawLine(QPointF(r.right() - 3, r.bottom() - 4), QPointF(r.left(), r.top()));
                   });
        iconButton(d + QStringLiteral("common/solid-paste_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 1.5));
                       p.setBrush(Qt::NoBrush);
                       p.drawRect(r.adjusted(1, 1, -1, 0));
                       p.fillRect(QRectF(r.center().x() - 2, r.top() - 1, 4, 3), c);
                   });
        iconButton(d + QStringLiteral("common/solid-copy_%1.png").arg(lit), 21, s, lit,
                   [](QPainter &p, const QRectF &r, const QColor &c) {
                       p.setPen(QPen(c, 1.5));
                       p.setBrush(Qt::NoBrush);
                       p.drawRect(r.adjusted(0, 0, -3, -3));
                       p.drawRect(r.adjusted(3, 3, 0, 0));
                   });
    }
    save(d + "common/draw_line.png", 141, 1, [&](QPainter &p, int w, int) {
        QLinearGradient g(0, 0, w, 0);
        g.setColorAt(0, Qt::transparent);
        g.setColorAt(0.5, alpha(s.accent, 110));
        g.setColorAt(1, Qt::transparent);
        p.fillRect(0, 0, w, 1, g);
    });
    save(d + "common/filelist_BASE.png", 151, 200, [&](QPainter &p, int w, int h) {
        p.setPen(QPen(alpha(s.accent, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
        p.fillRect(QRectF(0, 0, 12, 2), s.accent);
        p.fillRect(QRectF(w - 12, h - 2, 12, 2), s.accent);
    });
    save(d + "common/draw_inputValue.png", 39, 14, [&](QPainter &p, int w, int h) {
        panelBox(p, QRectF(0, 0, w, h), s, false, 2);
    });
    save(d + "common/draw_paletteIndex.png", 145, 31, [&](QPainter &p, int w, int h) {
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(s.base, 140));
        p.drawRoundedRect(QRectF(0, 6, w, h - 6), 2, 2);
    });
    save(d + "common/draw_palette.png", 96, 48, [&](QPainter &p, int w, int h) {
        p.setPen(QPen(alpha(s.accent, 150), 1));
        p.setBrush(alpha(s.base, 200));
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 2, 2);
    });
    save(d + "common/fram_2btn.png", 43, 23, [&](QPainter &p, int w, int h) {
        p.setPen(QPen(alpha(s.accent, 160), 1));
        p.setBrush(alpha(s.base, 200));
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    });
    save(d + "common/btnFrame.png", 23, 23, [&](QPainter &p, int w, int h) {
        p.setPen(QPen(alpha(s.accent, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    });
    save(d + "common/btnFileListFrame.png", 143, 226, [&](QPainter &p, int w, int h) {
        p.setPen(QPen(alpha(s.accent, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
        p.fillRect(QRectF(0, 0, w, 2), s.accent);
        p.fillRect(QRectF(0, 24, w, 1), alpha(s.accent, 120));
    });
    save(d + "common/btnGroup_4_BASE.png", 312, 27, [&](QPainter &p, int w, int h) {
        panelBox(p, QRectF(0, 0, w, h), s, false, 3);
    });
    save(d + "common/btnGroup_8_BASE.png", 312, 50, [&](QPainter &p, int w, int h) {
        panelBox(p, QRectF(0, 0, w, h), s, false, 3);
    });
    save(d + "common/slider_11_BASE.png", 315, 24, [&](QPainter &p, int w, int h) {
        panelBox(p, QRectF(0, 0, w, h), s, false, 3);
    });

    // Key caps: k<type>-0 is the cap, k<type>-1 the glowing selection frame.
    struct Cap { int type, w, h; };
    const Cap caps[] = {{1, 28, 28}, {2, 36, 28}, {3, 43, 28}, {4, 50, 28}, {5, 58, 28},
                        {6, 66, 28}, {7, 80, 28}, {8, 182, 28}, {9, 28, 58}};
    for (const Cap &cap : caps) {
        save(d + QStringLiteral("model_kb/k%1-0.png").arg(cap.type), cap.w, cap.h, [&](QPainter &p, int w, int h) {
            const QRectF outer(0.5, 0.5, w - 1, h - 1);
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, QColor(58, 62, 72));
            g.setColorAt(1, QColor(22, 24, 30));
            p.setPen(QPen(QColor(10, 10, 14), 1));
            p.setBrush(g);
            p.drawRoundedRect(outer, 4, 4);
            const QRectF top = outer.adjusted(3, 2, -3, -5);
            QLinearGradient t(0, top.top(), 0, top.bottom());
            t.setColorAt(0, QColor(48, 52, 60));
            t.setColorAt(1, QColor(32, 35, 42));
            p.setPen(QPen(alpha(s.accent, 50), 1));
            p.setBrush(t);
            p.drawRoundedRect(top, 3, 3);
        });
        save(d + QStringLiteral("model_kb/k%1-1.png").arg(cap.type), cap.w, cap.h, [&](QPainter &p, int w, int h) {
            const QRectF r(1, 1, w - 2, h - 2);
            glowPath(p, roundRect(r, 4), s.accent, 2);
            p.setPen(QPen(s.accent, 1.5));
            p.setBrush(alpha(s.accent, 30));
            p.drawRoundedRect(r, 4, 4);
        });
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: r7skins <img folder>\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);

    // Skin 1: ice blue on graphite; skin 2: crimson and amber on charcoal.
    drawSkin(QStringLiteral("skin1"), Scheme{QColor(0, 210, 255), QColor(0, 120, 255), QColor(12, 16, 22),
                                             QColor(16, 20, 28), QColor(34, 42, 54)});
    drawSkin(QStringLiteral("skin2"), Scheme{QColor(255, 60, 50), QColor(255, 160, 0), QColor(20, 12, 12),
                                             QColor(26, 16, 16), QColor(52, 32, 30)});
    return g_failures == 0 ? 0 : 1;
}
