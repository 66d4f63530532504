#include "support/DrawnText.h"

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <QtTest>

namespace DrawnText {

namespace {

// How much darker than the background, the image's top left pixel, each
// pixel is.
class Ink
{
public:
    explicit Ink(const QImage &image)
        : m_image(image)
        , m_background(qGray(image.pixel(0, 0)))
    {
    }
    int at(int x, int y) const { return qMax(0, m_background - qGray(m_image.pixel(x, y))); }

private:
    const QImage &m_image;
    int m_background;
};

} // namespace

QList<int> inkColumns(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const Ink ink(image);
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int column = 0;
        for (int y = 0; y < image.height(); ++y)
            column += ink.at(x, y);
        columns.append(column);
    }
    while (!columns.isEmpty() && columns.last() == 0)
        columns.removeLast();
    return columns;
}

QList<int> lineStarts(const QImage &image)
{
    const Ink ink(image);
    QList<int> starts;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int first = -1;
        for (int x = 0; x < image.width() && first < 0; ++x) {
            if (ink.at(x, y) > 0)
                first = x;
        }
        if (first < 0) {
            inLine = false;
        } else if (!inLine) {
            starts.append(first);
            inLine = true;
        } else {
            starts.last() = qMin(starts.last(), first);
        }
    }
    return starts;
}

QList<int> inkColumnsOf(const QString &text, const QSize &size)
{
    QLabel label;
    label.setTextFormat(Qt::PlainText);
    label.setText(text);
    // Placed as the widget under test places its text, at its left edge and
    // at the same height: a glyph a fraction of a pixel elsewhere inks its
    // pixels otherwise.
    label.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    label.resize(size);
    return inkColumns(&label);
}

QList<int> inkColumnsLeftToRight(const QString &sentence, const QSize &size)
{
    return inkColumnsOf(QChar(0x200E) + sentence, size);
}

void addSentencesBeginningWithNames()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("first");
    const QString hebrew = QStringLiteral(u"שרה כהן");
    QTest::newRow("Hebrew name") << hebrew + QStringLiteral(" got a promotion.") << hebrew;
    QTest::newRow("two Hebrew names") << hebrew + QStringLiteral(u" and דוד לוי got married.")
                                      << hebrew;
    const QString arabic = QStringLiteral(u"ليلى حسن");
    QTest::newRow("Arabic name") << arabic + QStringLiteral(" grew up.") << arabic;
    QTest::newRow("Latin name") << QStringLiteral("Ann Lee got a promotion.")
                                << QStringLiteral("Ann Lee");
}

} // namespace DrawnText
