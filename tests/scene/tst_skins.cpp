// The generated skins beside the executables hold every image the scene
// names, in every skin folder, and a key cap pair for every key type of the
// shipped hardware definition.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QtTest>

class TestSkins : public QObject
{
    Q_OBJECT
private:
    QStringList skins() const
    {
        return QDir(QStringLiteral("modules/img")).entryList(QStringList{QStringLiteral("skin*")}, QDir::Dirs);
    }

    // Image paths below a skin folder that the scene's QML names literally.
    QStringList namedPaths() const
    {
        QSet<QString> paths;
        const QString qmlRoot = qEnvironmentVariable("R7_SOURCE_DIR") + QStringLiteral("/resources/modules/qml");
        QDirIterator it(qmlRoot, QStringList{QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
        static const QRegularExpression literal(QStringLiteral("\"((?:frame|common|list_\\w+|model_kb)/[^\"]+\\.png|background\\.png)\""));
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                continue;
            auto matches = literal.globalMatch(QString::fromUtf8(f.readAll()));
            while (matches.hasNext())
                paths.insert(matches.next().captured(1));
        }
        // The function-menu icons are named where the model item sets them.
        for (const char *icon : {"fnKeydefine", "fnMacro", "fnColor"})
            for (int state = 0; state <= 1; ++state)
                paths.insert(QStringLiteral("list_fn/%1_%2.png").arg(QLatin1String(icon)).arg(state));
        QStringList sorted = paths.values();
        sorted.sort();
        return sorted;
    }

private slots:
    void twoSkinsAreBuilt() { QCOMPARE(skins(), (QStringList{QStringLiteral("skin1"), QStringLiteral("skin2")})); }

    void everyNamedImageExistsInEverySkin()
    {
        const QStringList paths = namedPaths();
        QVERIFY2(paths.size() > 60, qPrintable(QString::number(paths.size())));
        for (const QString &skin : skins()) {
            for (const QString &path : paths) {
                QImage image(QStringLiteral("modules/img/%1/%2").arg(skin, path));
                QVERIFY2(!image.isNull(), qPrintable(skin + QLatin1Char('/') + path));
            }
        }
    }

    void keyCapsForEveryKeyTypeOfTheHardwareDefinition()
    {
        QSettings hwDef(QStringLiteral("modules/setting/HWDef.bin"), QSettings::IniFormat);
        const int keys = hwDef.value(QStringLiteral("0/total_HW")).toInt();
        QVERIFY(keys > 0);
        QSet<int> types;
        for (int i = 1; i <= keys; ++i)
            types.insert(hwDef.value(QStringLiteral("0/%1").arg(i)).toStringList().value(2).toInt());
        types.remove(0);
        for (const QString &skin : skins()) {
            for (int type : types) {
                for (int state = 0; state <= 1; ++state) {
                    const QString path = QStringLiteral("modules/img/%1/model_kb/k%2-%3.png").arg(skin).arg(type).arg(state);
                    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
                }
            }
        }
    }

    void sizesTheLayoutRelieOn()
    {
        // Drop-downs, sliders and input boxes share the 151 x 23 face; the
        // slider's seven cells are 21 px with a shared border.
        for (const QString &skin : skins()) {
            const QString common = QStringLiteral("modules/img/%1/common/").arg(skin);
            QCOMPARE(QImage(common + QStringLiteral("slider_BASE.png")).size(), QSize(151, 23));
            QCOMPARE(QImage(common + QStringLiteral("slider_FILLER_1.png")).size(), QSize(21, 21));
            QCOMPARE(QImage(common + QStringLiteral("filelist_BASE.png")).size(), QSize(151, 200));
            QCOMPARE(QImage(QStringLiteral("modules/img/%1/list_fn/listFnBtn_0.png").arg(skin)).size(), QSize(150, 37));
            QCOMPARE(QImage(QStringLiteral("modules/img/%1/list_center/globalsettingBackground.png").arg(skin)).size(),
                     QSize(340, 420));
        }
    }
};

QTEST_MAIN(TestSkins)

#include "tst_skins.moc"
