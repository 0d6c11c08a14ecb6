// Device-facing operations: scene values become device commands and back,
// and the current profile file mirrors what was sent.
#include "myQQuickView.h"

#include "device/Hid_Thread.h"

#include <QSettings>

#include <array>

namespace {

// Element i of a scene list as an integer; missing elements read as 0 so a
// short list is never read past its end.
int intAt(const QVariantList &list, int i)
{
    return i < list.size() ? list.at(i).toInt() : 0;
}

QString keydefineKey(quint8 layout, const QString &matrixId)
{
    return QStringLiteral("keydefine%1/%2").arg(layout).arg(matrixId);
}

} // namespace

void myQQuickView::syncFW()
{
    ushort version = 0;
    if (hid)
        hid->hid_80H_GetFWVersion(version, kbLayoutType);
    kbLayoutType = 0;
    if (hid)
        hid->hid_A1H_GetCurrentProfile(currentProfile);

    usbCodeByName.clear();
    const QVariantList names = loadUsbStr();
    const QVariantList codes = loadUsbCode();
    const int n = qMin(names.size(), codes.size());
    for (int i = 0; i < n; ++i)
        usbCodeByName[names.at(i).toString()] = quint8(codes.at(i).toUInt());
}

void myQQuickView::syncLed()
{
    if (!hid)
        return;
    QSettings *profile = currentProfileSettings();

    uchar type = 0, brightness = 0, speed = 0, direction = 0, color = 0, bl0 = 0, bl1 = 0;
    if (hid->hid_88H_GetLEDType(type, brightness, speed, direction, color, bl0, bl1) && profile)
        profile->setValue(QStringLiteral("color/ledType"),
                          QVariantList{int(type), int(brightness), int(speed), int(direction),
                                       int(color), int(bl0), int(bl1)});

    std::array<uchar, 64> block{};
    if (hid->hid_B0H_GetSevenColor(block.data()) && profile) {
        QVariantList colours;
        for (int i = 0; i < 21; ++i)
            colours.append(int(block[i]) * 4);
        profile->setValue(QStringLiteral("color/color"), colours);
    }
}

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    if (hid && hid->curDevice == 1)
        if (QSettings *profile = currentProfileSettings())
            profile->setValue(QStringLiteral("sensor/reportRate_R8"), int(rate));
}

void myQQuickView::ui_02H_SetKeyboardMode(uchar mode)
{
    if (!hid)
        return;
    uchar byte1 = 0, byte2 = 0, byte3 = 0;
    hid->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    hid->hid_02H_SetKeyboardoption(mode, byte2, byte3);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1)
{
    if (hid)
        hid->hid_04H_SetButtonSensitivity(sens1);
}

void myQQuickView::ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                     uchar color, uchar bl0, uchar bl1)
{
    if (QSettings *profile = currentProfileSettings())
        profile->setValue(QStringLiteral("color/ledType"),
                          QVariantList{int(type), int(brightness), int(speed), int(direction),
                                       int(color), int(bl0), int(bl1)});
    if (hid)
        hid->hid_08H_SetLEDType(type, brightness, speed, direction, color, bl0, bl1);
}

void myQQuickView::ui_0C0DH_SetKeyMatrix(QVariantList src256)
{
    if (QSettings *profile = currentProfileSettings()) {
        for (int n = 0; n < 128; ++n) {
            const QVariant low = 2 * n < src256.size() ? src256.at(2 * n) : QVariant(0);
            const QVariant high = 2 * n + 1 < src256.size() ? src256.at(2 * n + 1) : QVariant(0);
            profile->setValue(keydefineKey(kbLayoutType, QString::number(n)), QVariantList{low, high});
        }
    }
    std::array<uchar, 256> block{};
    for (int i = 0; i < 256; ++i)
        block[i] = uchar(intAt(src256, i));
    if (hid) {
        hid->hid_0CH_SetKeyMatrix_1(block.data());
        hid->hid_0DH_SetKeyMatrix_2(block.data() + 128);
    }
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384)
{
    if (QSettings *profile = currentProfileSettings())
        profile->setValue(QStringLiteral("userPicture/%1").arg(index), src384);
    if (option == 255 || !hid)
        return;
    std::array<std::array<uchar, 128>, 4> blocks{};
    for (int n = 0; n < 128; ++n) {
        blocks[0][n] = uchar(intAt(src384, 4 * n));
        for (int c = 1; c < 4; ++c)
            blocks[c][n] = uchar(intAt(src384, 4 * n + c) / 4);
    }
    for (int c = 0; c < 4; ++c)
        hid->hid_12H_SetUserPicture(index, uchar(c), blocks[c].data());
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    if (hid)
        hid->hid_13H_SetRecoveryData();
}

void myQQuickView::ui_21H_SetCurrentProfile(int profile)
{
    currentProfile = quint8(profile);
    if (hid)
        hid->hid_21H_SetCurrentProfile(uchar(profile));
}

void myQQuickView::ui_30H_SetColor(QVariantList src21)
{
    std::array<uchar, 64> block{};
    for (int j = 0; j < 21; ++j)
        block[j] = uchar(intAt(src21, j) / 4);
    if (QSettings *profile = currentProfileSettings())
        profile->setValue(QStringLiteral("color/color"), src21);
    if (hid)
        hid->hid_30H_SetSevenColor(block.data());
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    ushort version = 0;
    uchar mode = 0;
    if (hid)
        hid->hid_80H_GetFWVersion(version, mode);
    if (version == 0)
        return QStringLiteral("unknown");
    return QStringLiteral("%1.%2")
        .arg(version >> 8, 2, 16, QLatin1Char('0'))
        .arg(version & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QVariant myQQuickView::ui_80H_GetHWMode() { return int(kbLayoutType); }

QVariant myQQuickView::ui_81H_GetReportRate() { return 0; }

QVariant myQQuickView::ui_82H_GetKeyboardMode()
{
    uchar byte1 = 0, byte2 = 0, byte3 = 0;
    if (hid)
        hid->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    return int(byte1);
}

QVariant myQQuickView::ui_84H_GetButtonSensitivity()
{
    uchar sens1 = 0;
    if (hid)
        hid->hid_84H_GetButtonSensitivity(sens1);
    return int(sens1);
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    QSettings *profile = currentProfileSettings();
    return profile ? profile->value(QStringLiteral("color/ledType")).toList() : QVariantList();
}

QVariantList myQQuickView::ui_8C8DH_GetKeyMatrix()
{
    std::array<uchar, 256> block{};
    if (hid) {
        hid->hid_8CH_GetKeyMatrix_1(block.data());
        hid->hid_8DH_GetKeyMatrix_2(block.data() + 128);
    }
    QVariantList result;
    result.reserve(256);
    for (uchar b : block)
        result.append(int(b));
    return result;
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index)
{
    QVariantList picture;
    if (QSettings *profile = currentProfileSettings())
        picture = profile->value(QStringLiteral("userPicture/%1").arg(index)).toList();
    if (picture.size() == 512)
        return picture;
    return QVariantList(512, QVariant(0));
}

QVariant myQQuickView::ui_A1H_GetCurrentProfile() { return int(currentProfile); }

QVariantList myQQuickView::ui_B0H_GetColor()
{
    QSettings *profile = currentProfileSettings();
    return profile ? profile->value(QStringLiteral("color/color")).toList() : QVariantList();
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    QSettings *profile = currentProfileSettings();
    return profile ? profile->value(keydefineKey(kbLayoutType, matrixId.toString())).toList()
                   : QVariantList();
}
