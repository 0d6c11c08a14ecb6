// Profiles and user pictures (placeholder until the profile files land).
#include "myQQuickView.h"

void myQQuickView::loadProfile(int) {}
QVariant myQQuickView::loadDefaultProfile(QString) { return QVariant(); }
void myQQuickView::saveProfile(int) {}
void myQQuickView::resetProfile(int) {}
QString myQQuickView::getCustomFilePath() { return QString(); }
