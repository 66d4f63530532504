#pragma once

#include <QPointer>

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

    T *get() const { return m_dialog.data(); }
    T *operator->() const { return m_dialog.data(); }
    explicit operator bool() const { return !m_dialog.isNull(); }

private:
    QPointer<T> m_dialog;
};
