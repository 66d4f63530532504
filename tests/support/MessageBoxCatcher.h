#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Closes every message box that opens while it lives and keeps their texts,
// so that a test can press a button that answers with a modal message.
class MessageBoxCatcher : public QObject
{
public:
    MessageBoxCatcher();

    QStringList texts;
    QStringList titles;

private:
    void closeOpenBox();

    QTimer m_timer;
};
