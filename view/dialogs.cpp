#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace dialogs {

QString standardOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString standardSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    // The dialog's own overwrite confirmation stays on.
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void standardWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
}

FileDialogFn getOpenFileName = standardOpenFileName;
FileDialogFn getSaveFileName = standardSaveFileName;
WarningFn warning = standardWarning;

} // namespace dialogs
