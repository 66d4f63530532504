#pragma once

#include <QImage>
#include <QMessageBox>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>

// Closes every message box that opens while it lives and keeps their texts,
// so that a test can press a button that answers with a modal message. A box
// that offers the `answer` button is answered with it (a question such as
// Save / Discard / Cancel); any other box is closed as with OK.
class MessageBoxCatcher : public QObject
{
public:
    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);

    QStringList texts;
    QStringList titles;
    // The size of each box as shown, to tell whether it fits the screen.
    QList<QSize> sizes;
    // Each box's text as drawn, to tell how its paragraphs are laid out.
    QList<QImage> textImages;
    QMessageBox::StandardButton answer;
    // Answers for the next boxes, one each in turn, before `answer`: for a
    // question that leads to another.
    QList<QMessageBox::StandardButton> answers;

private:
    void closeOpenBox();

    QTimer m_timer;
};
