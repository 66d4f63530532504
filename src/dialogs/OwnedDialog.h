#pragma once

#include <QPointer>

class QWidget;

// Shows a window the player asked for in front of the others, with the
// focus: un-minimized, shown, raised and activated. A dialog that is kept
// and shown again is often open already, behind the main window or
// minimized, where showing it alone changes nothing the player can see.
void showInFront(QWidget *window);

// The one way a part holds a dialog it opens. Dialogs are parentless
// windows, so nothing else deletes them: the holder deletes the dialog it
// holds when it replaces it and when the holder itself goes. The pointer is
// guarded, so a dialog deleted elsewhere reads as none.
template <typename T>
class OwnedDialog
{
public:
    OwnedDialog() = default;
    ~OwnedDialog() { delete m_dialog.data(); }
    OwnedDialog(const OwnedDialog &) = delete;
    OwnedDialog &operator=(const OwnedDialog &) = delete;

    // Deletes the dialog held until now and holds `dialog` instead.
    T *replace(T *dialog)
    {
        T *old = m_dialog.data();
        m_dialog = dialog;
        delete old;
        return dialog;
    }

    // Shows the dialog held; every request for it comes here.
    void showInFront() const { ::showInFront(m_dialog.data()); }

    T *get() const { return m_dialog.data(); }
    T *operator->() const { return m_dialog.data(); }
    explicit operator bool() const { return !m_dialog.isNull(); }

private:
    QPointer<T> m_dialog;
};
