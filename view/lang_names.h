#pragma once

#include <QString>

// Language files are named lang_<code>.ini, where code is Qt 4.8's QLocale
// language number (three digits) followed by its country number (three
// digits). These helpers turn codes into the names shown in the language
// list and compute a language file's check value.

// Qt 4.8's English name of a language or country number ("Unknown" past the
// end of its table).
QString qt48LanguageName(int language);
QString qt48CountryName(int country);

// The list entry for a code: the language name in upper case and a suffix by
// country (none for 0, " (Simp)" for 44, " (Trad)" for 208, else the country
// name in upper case in brackets). Digits that do not parse count as 0.
QString languageDisplayName(const QString &code);

// The check value a language file must carry for strings whose UTF-16
// lengths add up to q: four decimal numbers written one after the other.
QString languageCheckValue(qint64 q);
