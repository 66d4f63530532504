#include "support/DamagedList.h"

#include <QList>

namespace ListFixtures {

QByteArray everyKindOfDamage()
{
    constexpr int kSims = 12;
    constexpr int kLinkLines = 10;
    QByteArray bytes;
    for (int i = 0; i < kSims; ++i) {
        // Long names with blanks, so that the box can wrap them; the first
        // is UTF-8, and half the lines hold a garbled age.
        const QByteArray name = (i == 0 ? QByteArray("Zo\xC3\xAB ") : QByteArray("Sim "))
            + QByteArray::number(i) + " of the Long Named Family of the Far Neighbourhood";
        bytes += "\"" + name + "\",-1," + (i % 2 ? "2O" : "20") + ",1,(0,0),\"Home "
            + QByteArray::number(i) + "\",0,\"\",0,1,7,0,0,0,," + (i % 3 ? "" : "Li\xFF" "es tea.")
            + "\r\n";
    }
    bytes += "\r\n";
    for (int i = 0; i < 9; ++i)
        bytes += "\"An update that names no sim of the list.\",4" + QByteArray::number(i) + ",-1\r\n";
    bytes += "\r\n";
    for (int i = 0; i < 9; ++i)
        bytes += "\"A log line that names no sim of the list.\",-1,5" + QByteArray::number(i) + "\r\n";
    bytes += "\r\n1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,\r\n";
    for (int i = 0; i < 9; ++i)
        bytes += "Gone Household " + QByteArray::number(i) + ",N\xFF\r\n";
    bytes += "\r\n";
    QList<QByteArray> links;
    for (int i = 0; i < kLinkLines; ++i) {
        // Spouses among the sims whose lines are missing, or no sim; the
        // sim itself and thousands of positions past the list as children.
        QByteArray line = i < 2 ? QByteArray::number(kLinkLines + i) : QByteArray("-2");
        line += "," + QByteArray::number(i);
        for (int p = 0; p < 2000; ++p)
            line += "," + QByteArray::number(kSims + p);
        links << line;
    }
    return bytes + links.join("\r\n") + "\r\n";
}

QByteArray crowdedDamage()
{
    constexpr int kSims = 40;
    const auto number = [](int i) { return QByteArray::number(i).rightJustified(2, '0'); };
    QByteArray bytes;
    for (int i = 0; i < kSims; ++i) {
        // Every line holds UTF-8 letters, so the list is read as UTF-8; the
        // first ten hold a byte that is not.
        bytes += "\"Maximiliana Konstantinopolous-Wetherby of House " + number(i) + "\",-1,"
            + (i >= 10 && i < 20 ? "2O" : "20") + ",2,(0,0),\"House " + number(i)
            + "\",0,\"\",0,1,7,0,0,0,,"
            + (i < 10 ? QByteArray("Likes cr\xFF" "me br\xC3\xBBl\xC3\xA9" "e.")
                      : QByteArray("Likes cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e."))
            + "\r\n";
    }
    bytes += "\r\n\r\n\r\n1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,\r\n";
    for (int i = 0; i < 20; ++i)
        bytes += "House " + number(i) + ",Maybe\r\n";
    bytes += "\r\n";
    for (int i = 0; i < kSims; ++i) {
        if (i >= 20 && i < 25)
            bytes += QByteArray::number(i); // its own spouse
        else if (i >= 25 && i < 30)
            bytes += "-1,99"; // a child where the list holds no sim
        else if (i == 30 || i == 31)
            bytes += "-1," + QByteArray::number(61 - i); // each the other's parent
        else
            bytes += "-1";
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace ListFixtures
