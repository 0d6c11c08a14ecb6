// Draws the key picture of layout 0 from HWDef.bin as a PNG (twice the real
// size): every key cap in its type's size with its legend and, small, its
// matrix position; the keys of the two SPOTLIGHT spirals in red and blue with
// their paths drawn through the key centres.
//
//   render_layout <HWDef.bin> <out.png>   (run with QT_QPA_PLATFORM=offscreen)
//
// Not part of the program's build; check_qt.py --png compiles it on demand.

#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSettings>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QSettings hw(QString::fromLocal8Bit(argv[1]), QSettings::IniFormat);
    const QList<int> spiral1{ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41 };
    const QList<int> spiral2{ 115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58 };
    // cap sizes of the key types 1 .. 9
    const int width[] = { 0, 28, 36, 43, 50, 58, 66, 80, 182, 28 };
    const int height[] = { 0, 28, 28, 28, 28, 28, 28, 28, 28, 58 };

    QImage img(700 * 2, 200 * 2, QImage::Format_ARGB32);
    img.fill(QColor(20, 20, 28));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    p.translate(5, 5);
    QMap<int, QPointF> centre;
    const int n = hw.value("0/total_HW").toInt();
    for (int i = 1; i <= n; ++i) {
        const QVariantList e = hw.value(QStringLiteral("0/%1").arg(i)).toList();
        if (e.size() < 6)
            continue;
        const int t = qBound(0, e[2].toInt(), 9), m = e[4].toInt();
        const QRectF r(e[0].toInt(), e[1].toInt(), width[t], height[t]);
        p.setPen(QColor(150, 150, 160));
        p.setBrush(spiral1.contains(m) ? QColor(200, 80, 80)
                   : spiral2.contains(m) ? QColor(80, 120, 220) : QColor(70, 70, 80));
        p.drawRoundedRect(r, 3, 3);
        QFont f("Liberation Sans");
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(r.adjusted(-10, 0, 10, 0), Qt::AlignCenter, e[3].toString());
        QFont small("Liberation Sans");
        small.setPixelSize(6);
        p.setFont(small);
        p.setPen(QColor(255, 255, 0));
        p.drawText(QPointF(r.x() + 1, r.bottom() - 1), QString::number(m));
        centre[m] = r.center();
    }
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    for (const QList<int> &s : { spiral1, spiral2 })
        for (int i = 0; i + 1 < s.size(); ++i)
            p.drawLine(centre.value(s[i]), centre.value(s[i + 1]));
    p.end();
    return img.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
