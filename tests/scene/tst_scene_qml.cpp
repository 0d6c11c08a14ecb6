// Runs the QML cases of this folder with recording stand-ins for the host
// objects the scene calls: ui_View, ui_Ctl and hid.
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QtQuickTest>

// Records every call as "name(args)".
class Recorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList calls READ calls NOTIFY callsChanged)
public:
    QStringList calls() const { return m_calls; }
    Q_INVOKABLE void clear()
    {
        m_calls.clear();
        emit callsChanged();
    }

signals:
    void callsChanged();

protected:
    void note(const QString &call)
    {
        m_calls << call;
        emit callsChanged();
    }

private:
    QStringList m_calls;
};

class StubView : public Recorder
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY callsChanged)
    Q_PROPERTY(QVariantList apConfig MEMBER apConfig)
    Q_PROPERTY(bool skinShow MEMBER skinShow)
    Q_PROPERTY(QVariantMap languages MEMBER languages)
    Q_PROPERTY(QString customFilePath MEMBER customFilePath)
public:
    bool isEnabled() const { return enabled; }
    bool enabled = true;
    QVariantList apConfig;
    bool skinShow = true;
    QVariantMap languages;
    QString customFilePath;

public slots:
    void setEnabled(bool on)
    {
        enabled = on;
        note(QStringLiteral("setEnabled(%1)").arg(on ? "true" : "false"));
    }
    void playMedia_Index(uchar index) { note(QStringLiteral("playMedia_Index(%1)").arg(index)); }
    void setEnableAudio(bool on) { note(QStringLiteral("setEnableAudio(%1)").arg(on ? "true" : "false")); }
    void clearAllMedia() { note(QStringLiteral("clearAllMedia()")); }
    QVariantList loadApConfig() { return apConfig; }
    void saveApConfig(QVariantList values)
    {
        apConfig = values;
        note(QStringLiteral("saveApConfig"));
    }
    void resetApconfig() { note(QStringLiteral("resetApconfig()")); }
    bool getIsSkinShow() { return skinShow; }
    QString getCustomFilePath()
    {
        note(QStringLiteral("getCustomFilePath()"));
        return customFilePath;
    }
    QVariantMap chkLanguages() { return languages; }
    QStringList getGlobalStrings(QString code)
    {
        note(QStringLiteral("getGlobalStrings(%1)").arg(code));
        QStringList strings{QStringLiteral("Serif")};
        for (int i = 1; i < 115; ++i)
            strings << code + QLatin1Char('-') + QString::number(i);
        return strings;
    }
};

class StubController : public Recorder
{
    Q_OBJECT
public slots:
    void onMinimize() { note(QStringLiteral("onMinimize()")); }
    void onXChanged(int x) { note(QStringLiteral("onXChanged(%1)").arg(x)); }
    void onYChanged(int y) { note(QStringLiteral("onYChanged(%1)").arg(y)); }
};

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"), &view);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &controller);
        engine->rootContext()->setContextProperty(QStringLiteral("hid"), &hid);
    }

private:
    StubView view;
    StubController controller;
    QObject hid;
};

QUICK_TEST_MAIN_WITH_SETUP(scene, Setup)

#include "tst_scene_qml.moc"
