#include "lang_names.h"

namespace {

struct Qt48Name
{
    int number;
    const char *name;
};

#include "qt48_locale_names.inc"

template <size_t N>
QString lookup(const Qt48Name (&table)[N], int number)
{
    for (const Qt48Name &entry : table)
        if (entry.number == number)
            return QString::fromLatin1(entry.name);
    return QStringLiteral("Unknown");
}

// A number of up to three characters; text that does not parse gives 0.
int codeNumber(const QString &part)
{
    bool ok = false;
    const int n = part.toInt(&ok, 10);
    return ok ? n : 0;
}

} // namespace

QString qt48LanguageName(int language) { return lookup(kQt48Languages, language); }

QString qt48CountryName(int country) { return lookup(kQt48Countries, country); }

QString languageDisplayName(const QString &code)
{
    const int language = codeNumber(code.left(3));
    const int country = codeNumber(code.mid(3, 3));
    QString name = qt48LanguageName(language).toUpper();
    switch (country) {
    case 0:
        break;
    case 44:
        name += QStringLiteral(" (Simp)");
        break;
    case 208:
        name += QStringLiteral(" (Trad)");
        break;
    default:
        name += QStringLiteral(" (") + qt48CountryName(country).toUpper() + QLatin1Char(')');
    }
    return name;
}

QString languageCheckValue(qint64 q)
{
    const auto low = [](qint64 v) { return QString::number(quint8(v & 0xFF)); };
    return low(q + 74) + low(q - 69) + low(70 * q) + low(q / 70);
}
