#pragma once

#include <QString>

class QSettings;

// Replaces the file under `held` with a byte-for-byte copy of `source`
// (written beside it and renamed over it) and returns a new settings object
// on that file; `held` is deleted later. Pending writes of `held` reach the
// old file first, so they cannot land on top of the new content, and the new
// object reads the new content even where the per-process settings cache
// still holds the old one. Returns null, leaving file and object untouched,
// when the copy fails.
QSettings *replaceSettingsFile(QSettings *held, const QString &source);
