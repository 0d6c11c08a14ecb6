// Profiles and user pictures: export, import and reset of the profile
// mirrors, the default profile, and the choice of a background picture.
#include "myQQuickView.h"

#include "view/filesafety.h"
#include "view/profile_dialogs.h"
#include "view/profile_settings.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace profiledialogs {

QString standardOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString standardSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void standardWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
}

FileDialogFn getOpenFileName = standardOpenFileName;
FileDialogFn getSaveFileName = standardSaveFileName;
WarningFn warning = standardWarning;

} // namespace profiledialogs

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
    const QString target = profiledialogs::getSaveFileName(
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
    const QString source = profiledialogs::getOpenFileName(
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
    const QString path = profiledialogs::getOpenFileName(
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
        profiledialogs::warning(text(2, kPictureWarningTitle), text(3, kPictureWarningText) + path);
        return QString();
    }
    file.close();
    return path;
}
