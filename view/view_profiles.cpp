// Profiles and user pictures: export, import and reset of the profile
// mirrors, the default profile, and the choice of a background picture.
#include "myQQuickView.h"

#include "view/filesafety.h"
#include "view/dialogs.h"
#include "view/profile_settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kDefaultProfile = QStringLiteral("./modules/setting/pD.bin");

// Shown when no language has been loaded yet.
const QString kPictureWarningTitle = QStringLiteral("Picture not readable");
const QString kPictureWarningText = QStringLiteral("The picture file cannot be opened: ");

} // namespace

void myQQuickView::saveProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    const QString target = dialogs::getSaveFileName(
        this, tr("Save File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Profile(*.pf)"));
    if (target.isEmpty())
        return;
    // Export what the profile holds now, including writes not yet flushed.
    profileSettings.at(profile)->sync();
    // A failed copy leaves a file already at that name as it was.
    replaceFileWithCopy(profileSettings.at(profile)->fileName(), target);
}

void myQQuickView::loadProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    const QString source = dialogs::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Profile(*.pf)"));
    if (source.isEmpty())
        return;
    if (QSettings *fresh = replaceSettingsFile(profileSettings.at(profile), source))
        profileSettings[profile] = fresh;
}

void myQQuickView::resetProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    if (QSettings *fresh = replaceSettingsFile(profileSettings.at(profile), kDefaultProfile))
        profileSettings[profile] = fresh;
}

QVariant myQQuickView::loadDefaultProfile(QString key)
{
    const QSettings defaults(kDefaultProfile, QSettings::IniFormat);
    return defaults.value(key);
}

QString myQQuickView::getCustomFilePath()
{
    const QString path = dialogs::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        tr("Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Before any language is loaded (or when it lacks them) the texts
        // fall back to English.
        const auto text = [this](int i, const QString &fallback) {
            const QString t = messageTexts.value(i);
            return t.isEmpty() ? fallback : t;
        };
        dialogs::warning(text(2, kPictureWarningTitle), text(3, kPictureWarningText) + path);
        return QString();
    }
    file.close();
    return path;
}
