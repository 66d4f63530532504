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

} // namespace ListFixtures
