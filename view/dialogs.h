#pragma once

#include <QString>

class QWidget;

// The view's file dialogs (profile, picture and macro import and export) and
// its two warning boxes go through these pointers, which default to
// QFileDialog and QMessageBox. Tests replace them so that nothing waits for
// a user.
namespace dialogs {

// Returns the chosen path, or an empty string when cancelled.
using FileDialogFn = QString (*)(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter);
// A modal warning with a single OK button and no parent window.
using WarningFn = void (*)(const QString &title, const QString &text);

extern FileDialogFn getOpenFileName;
extern FileDialogFn getSaveFileName; // asks before replacing an existing file
extern WarningFn warning;

// The defaults, for restoring after a test.
QString standardOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter);
QString standardSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter);
void standardWarning(const QString &title, const QString &text);

} // namespace dialogs
