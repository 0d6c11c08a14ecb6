// Languages: the list of language files and the loading of one, with the
// check value that decides whether the device link may talk to the keyboard.
#include "myQQuickView.h"

#include "device/Hid_Thread.h"
#include "view/lang_names.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kLanguageFolder = QStringLiteral("./modules/i18n/");
constexpr int kMaxStrings = 65535;

// A stored text; a value with unquoted commas reads back as a list, which is
// put together again rather than lost.
QString textOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}
} // namespace

QVariantMap myQQuickView::chkLanguages()
{
    QVariantMap languages;
    const QDir folder(kLanguageFolder);
    const QStringList files = folder.entryList({QStringLiteral("lang_*.ini")}, QDir::Files,
                                               QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = file.mid(5, 6);
        // A later file with the same display name replaces the earlier one.
        languages.insert(languageDisplayName(code), code);
    }
    return languages;
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    QSettings file(kLanguageFolder + QStringLiteral("lang_") + langCode + QStringLiteral(".ini"),
                   QSettings::IniFormat);
    QStringList result{textOf(file.value(QStringLiteral("font/family")))};

    // No language has anywhere near this many strings; a damaged count must
    // not keep the program reading missing keys for minutes.
    const int total = qMin(file.value(QStringLiteral("font/total"), 0).toInt(), kMaxStrings);
    qint64 q = 0;
    for (int i = 1; i <= total; ++i) {
        const QString text = textOf(file.value(QStringLiteral("strings/%1").arg(i)));
        q += text.size();
        result.append(text);
    }

    langFileValid = textOf(file.value(QStringLiteral("font/cs"))) == languageCheckValue(q);

    messageTexts.clear();
    for (int i = 0; i < 4; ++i)
        messageTexts.append(textOf(file.value(QStringLiteral("msg/%1").arg(i))));
    return result;
}
