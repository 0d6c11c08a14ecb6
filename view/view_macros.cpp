// Macro library (placeholder until the macro files land).
#include "myQQuickView.h"

void myQQuickView::loadMacroIniFromFile(QVariant) {}
void myQQuickView::saveMacroIniToFile(QVariant) {}
void myQQuickView::renameMacroIniFile(QVariant, QVariant) {}
void myQQuickView::initMacroIni(uchar) {}
QVariant myQQuickView::createMacroIni() { return QString(); }
QVariant myQQuickView::deleteMacroIni(QVariant) { return false; }
QStringList myQQuickView::getMacroIniNames() { return {}; }
QVariant myQQuickView::saveMacroIni(QVariant, QStringList) { return false; }
QStringList myQQuickView::loadMacroIni(QVariant) { return {}; }
QVariantList myQQuickView::loadMacroIniConfig(QVariant) { return {}; }
void myQQuickView::setMacroIniConfig(QVariant, QVariantList) {}
