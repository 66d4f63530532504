#include "dialogs/OwnedDialog.h"

#include <QWidget>

void showInFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
