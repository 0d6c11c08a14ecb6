#pragma once

#include <QList>
#include <QMap>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class Hid_Thread;
class QMediaPlayer;
class QAudioOutput;
class QSettings;

// The scene's partner object: it shows the QML scene and owns everything the
// scene reads and writes through its slots (configuration and definition
// files, the profile mirrors, sound, the macro library and the languages).
// One source file per concern implements the slots.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    // Not owned; set by the Widget right after the controller's init.
    Hid_Thread *hid = nullptr;
    bool audioEnabled = true;
    QList<QMediaPlayer *> mediaPlayers;
    QList<QAudioOutput *> audioOutputs;
    QSettings *apConfigSettings = nullptr;
    QList<QSettings *> profileSettings;
    quint8 currentProfile = 0;
    QStringList messageTexts;
    quint8 kbLayoutType = 0;
    quint8 maxProfile = 0;
    QMap<QString, quint8> usbCodeByName;

    // Reach the scene's input-capture functions (queued calls).
    void forwardKeyboard(bool isDown, uchar usbCode);
    void forwardMouse(bool isDown, uint quilCode, uint x, uint y);

    // The settings object of the current profile, or null when there is
    // none (no profiles, or an index past the list).
    QSettings *currentProfileSettings() const;

public slots:
    // Scene calls (queued).
    void initUI();
    void zzzTelvo();
    void runUI();

    // Device-facing operations.
    void syncFW();
    void syncLed();
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetKeyboardMode(uchar mode);
    void ui_04H_SetButtonSensitivity(uchar sens1);
    void ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                           uchar color, uchar bl0, uchar bl1);
    void ui_0C0DH_SetKeyMatrix(QVariantList src256);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384);
    void ui_13H_SetRecoveryData();
    void ui_21H_SetCurrentProfile(int profile);
    void ui_30H_SetColor(QVariantList src21);
    QString ui_80H_GetFWVersion();
    QVariant ui_80H_GetHWMode();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetKeyboardMode();
    QVariant ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariantList ui_8C8DH_GetKeyMatrix();
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariant ui_A1H_GetCurrentProfile();
    QVariantList ui_B0H_GetColor();
    QVariantList getKeydefine(QVariant matrixId);

    // Configuration and definition files.
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    void resetApconfig();
    QVariantList loadHWDef();
    QVariantList loadUsbStr();
    QVariantList loadUsbCode();
    bool getIsSkinShow();
    uchar getMaxProfile();

    // Profiles and user pictures.
    void loadProfile(int profile);
    QVariant loadDefaultProfile(QString key);
    void saveProfile(int profile);
    void resetProfile(int profile);
    QString getCustomFilePath();

    // Sound.
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();

    // Macro library.
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    void initMacroIni(uchar maxMacro);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);

    // Macro encoding and upload.
    QList<uchar> macroIncode(QStringList macros);
    void ui_10H_SetMacroKey(QVariant macroId, QVariant name);

    // Languages.
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);

private:
    void createMediaPlayers();
    void callRoot(const char *function);
};
