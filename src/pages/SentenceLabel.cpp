#include "pages/SentenceLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

SentenceLabel::SentenceLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    // The sentence holds names the player typed: never read it as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
}

void SentenceLabel::paintEvent(QPaintEvent *event)
{
    // Markup and selectable text are drawn by QLabel's own document, which
    // this does not reach; such a label keeps QLabel's drawing.
    if (textFormat() != Qt::PlainText
        || (textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard))) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    // Inside the margin; these labels have no frame, so no indent of
    // QLabel's own.
    const QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    int flags = align | Qt::TextForceLeftToRight;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, rect, flags, option.palette, isEnabled(), text(),
                          foregroundRole());
}
