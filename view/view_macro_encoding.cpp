// Macro encoding and upload (placeholder until the encoder lands).
#include "myQQuickView.h"

QList<uchar> myQQuickView::macroIncode(QStringList) { return {}; }
void myQQuickView::ui_10H_SetMacroKey(QVariant, QVariant) {}
