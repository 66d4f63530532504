#include "dialogs/SimPEFolder.h"

#include "platform/Platform.h"

#include <QFileDialog>
#include <QLineEdit>

bool chooseSimPEFolder(QWidget *parent, QLineEdit *edit)
{
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Browse to the location of SimPE.exe"),
        Platform::driveRoots().value(0), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return false;
    edit->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    edit->setCursorPosition(0);
    return true;
}
