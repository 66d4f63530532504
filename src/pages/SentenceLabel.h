#pragma once

#include <QLabel>
#include <QString>

class QPaintEvent;

// A plain-text label for an English sentence that may begin with a sim's
// name. A plain label takes its paragraph direction from the first letter,
// so a sentence beginning with a right-to-left name would be drawn with its
// English words in reverse order and pushed to the right edge. This one
// always lays the sentence out left to right; each name inside still reads
// in its own direction. Only the drawing changes: text() is the sentence as
// given, byte for byte.
class SentenceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SentenceLabel(const QString &text = QString(), QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
