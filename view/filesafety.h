#pragma once

#include <QString>

// Replaces `target` with a byte-for-byte copy of `source`. The copy is
// written to a temporary file beside the target and renamed over it, so the
// target is either the old file or the complete new one, never something in
// between. Returns false, leaving the target untouched, when the source
// cannot be read or the new file cannot be written.
bool replaceFileWithCopy(const QString &source, const QString &target);
