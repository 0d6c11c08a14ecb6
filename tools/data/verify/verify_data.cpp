// Reads the shipped data files back through Qt 6's QSettings (IniFormat) the
// way the program does and prints what it read as JSON, for check_qt.py to
// compare with what gen_data.py meant to write.  Also checks, with the real
// fonts, that every key legend and every language text has its glyphs in the
// font the scene will use, and how wide the legends are.
//
//   verify_data <modules folder>   (run with QT_QPA_PLATFORM=offscreen)
//
// Not part of the program's build; check_qt.py compiles it on demand.

#include <QDir>
#include <QDirIterator>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStringList>
#include <QTextStream>

static QJsonValue dumpValue(const QVariant &v)
{
    if (v.typeId() == QMetaType::QStringList) {
        QJsonArray a;
        for (const QString &s : v.toStringList())
            a.append(s);
        return a;
    }
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return QStringLiteral("<type %1>").arg(QString::fromLatin1(v.typeName()));
}

static QJsonObject dumpFile(const QString &path)
{
    QSettings s(path, QSettings::IniFormat);
    QJsonObject o;
    for (const QString &k : s.allKeys())
        o.insert(k, dumpValue(s.value(k)));
    return o;
}

static QString checkValue(qint64 q)
{
    return QString::number((q + 74) & 0xFF) + QString::number((q - 69) & 0xFF)
        + QString::number((70 * q) & 0xFF) + QString::number((q / 70) & 0xFF);
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: verify_data <modules folder>\n";
        return 2;
    }
    const QDir modules(QString::fromLocal8Bit(argv[1]));
    QJsonObject files, program, fonts;
    QStringList problems;

    QDirIterator it(modules.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString full = it.next();
        const QString rel = modules.relativeFilePath(full);
        if (rel.startsWith(QLatin1String("setting/")) || rel.startsWith(QLatin1String("i18n/"))
            || rel.startsWith(QLatin1String("macro/")))
            files.insert(rel, dumpFile(full));
    }

    // What the program's readers get.
    {
        QSettings hw(modules.filePath("setting/HWDef.bin"), QSettings::IniFormat);
        const int total = hw.value("0/total_HW", 0).toInt();
        QVariantList flat{ total, hw.value("0/total_FW", 0).toInt() };
        bool ok = true;
        for (int i = 1; i <= total; ++i) {
            const QVariantList e = hw.value(QStringLiteral("0/%1").arg(i)).toList();
            if (e.size() != 6) {
                problems << QStringLiteral("HWDef key %1 has %2 values").arg(i).arg(e.size());
                continue;
            }
            bool a, b, c, d, f;
            flat << e[0].toInt(&a) << e[1].toInt(&b) << e[2].toInt(&c) << e[3].toString()
                 << e[4].toInt(&d) << e[5].toUInt(&f);
            ok = ok && a && b && c && d && f;
        }
        if (!ok)
            problems << "HWDef: a number does not convert";
        program.insert("loadHWDef_size", int(flat.size()));
        program.insert("maxProfile", int(hw.value("common/maxProfile").toUInt()));

        QSettings kc(modules.filePath("setting/KeyCodeDef.bin"), QSettings::IniFormat);
        const QVariantList names = kc.value("common/usbStr").toList();
        const QVariantList codes = kc.value("common/usbCode").toList();
        program.insert("usbStr_size", int(names.size()));
        program.insert("usbCode_size", int(codes.size()));
        for (const QVariant &c : codes) {
            bool okc;
            const uint u = c.toUInt(&okc);
            if (!okc || u > 255)
                problems << "KeyCodeDef: code " + c.toString();
        }

        QSettings apc(modules.filePath("setting/apConfig.bin"), QSettings::IniFormat);
        QVariantList values; // loadApConfig
        for (int i = 0;; ++i) {
            if (i >= apc.value("common/total", 0).toInt())
                break;
            values << apc.value(QStringLiteral("common/%1").arg(i), 0);
        }
        program.insert("apConfig_size", int(values.size()));
        program.insert("apConfig_name", apc.value("common/name").toString());

        for (int k = 0; k <= 5; ++k) {
            const QString f = k ? QStringLiteral("setting/p%1.bin").arg(k) : QStringLiteral("setting/pD.bin");
            QSettings p(modules.filePath(f), QSettings::IniFormat);
            QJsonObject po;
            po.insert("ledType", int(p.value("color/ledType").toList().size()));
            po.insert("color", int(p.value("color/color").toList().size()));
            int kd = 0;
            for (int n = 0; n < 128; ++n)
                kd += p.value(QStringLiteral("keydefine0/%1").arg(n)).toList().size() == 2;
            po.insert("keydefine_pairs", kd);
            int pics = 0;
            for (int i = 0; i < 5; ++i)
                pics += p.value(QStringLiteral("userPicture/%1").arg(i)).toList().size() == 512;
            po.insert("pictures_512", pics);
            program.insert(f, po);
        }

        // getGlobalStrings for every language file
        const QStringList langs = QDir(modules.filePath("i18n")).entryList({ "lang_*.ini" }, QDir::Files, QDir::Name | QDir::IgnoreCase);
        QJsonObject lo;
        for (const QString &name : langs) {
            QSettings l(modules.filePath("i18n/" + name), QSettings::IniFormat);
            const int n = l.value("font/total", 0).toInt();
            qint64 q = 0;
            QStringList strs;
            for (int i = 1; i <= n; ++i) {
                const QString s = l.value(QStringLiteral("strings/%1").arg(i)).toString();
                q += s.size(); // UTF-16 code units
                strs << s;
            }
            QJsonObject one;
            one.insert("strings", n);
            one.insert("cs_matches", checkValue(q) == l.value("font/cs").toString());
            int msgs = 0;
            for (int i = 0; i < 4; ++i)
                msgs += !l.value(QStringLiteral("msg/%1").arg(i)).toString().isEmpty();
            one.insert("messages", msgs);
            const QString family = l.value("font/family").toString();
            one.insert("family", family);

            // the font: present, and holding every character of the texts
            QFont font(family);
            font.setPixelSize(11);
            const QFontInfo info(font);
            one.insert("family_resolved", info.family());
            const QFontMetrics fm(font);
            QStringList missing;
            strs << l.value("msg/0").toString() << l.value("msg/1").toString()
                 << l.value("msg/2").toString() << l.value("msg/3").toString();
            for (const QString &s : strs)
                for (const uint c : s.toUcs4())
                    if (c != ' ' && !fm.inFontUcs4(c))
                        missing << QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
            missing.removeDuplicates();
            one.insert("missing_glyphs", missing.join(""));
            lo.insert(name, one);

            // legends in this language's font, bold 11 px, as the keys draw them
            QFont bold(family);
            bold.setPixelSize(11);
            bold.setBold(true);
            const QFontMetrics bm(bold);
            QJsonObject widths;
            QStringList legendMissing;
            for (int i = 1; i <= hw.value("0/total_HW", 0).toInt(); ++i) {
                const QVariantList e = hw.value(QStringLiteral("0/%1").arg(i)).toList();
                if (e.size() != 6)
                    continue;
                const QString legend = e[3].toString();
                widths.insert(QString::number(i), bm.horizontalAdvance(legend));
                for (const uint c : legend.toUcs4())
                    if (!bm.inFontUcs4(c))
                        legendMissing << legend;
            }
            fonts.insert(name, QJsonObject{ { "legend_widths", widths },
                                            { "legend_missing_glyphs", legendMissing.join(" ") } });
        }
        program.insert("languages", lo);
    }

    QJsonObject out{ { "files", files }, { "program", program }, { "fonts", fonts },
                     { "problems", QJsonArray::fromStringList(problems) } };
    QTextStream(stdout) << QJsonDocument(out).toJson(QJsonDocument::Indented);
    return 0;
}
