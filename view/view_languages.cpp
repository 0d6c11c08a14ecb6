// Languages (placeholder until the language files land).
#include "myQQuickView.h"

QVariantMap myQQuickView::chkLanguages() { return {}; }
QStringList myQQuickView::getGlobalStrings(QString) { return {}; }
