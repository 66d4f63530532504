#pragma once

#include <QString>

class Sim;

// What an update asks of the sheet, written as a readable call, so that tests
// hearing the requests in different ways compare them in one form.
namespace RequestText {

// A sim's name; "-" for none.
QString nameOf(const Sim *sim);

QString newSim(const QString &name, int gender, int age, int aspiration, int hold,
               const QString &household, int flags, const Sim *parent1, const Sim *parent2);
QString newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                      int babyGender, int babyHold, int flags, const Sim *otherParent);
QString holdAllBut(const Sim *sim, int hold);
QString holdHousehold(const QString &household, int hold);
QString holdAllHouseholdsBut(const QString &household, int hold);

} // namespace RequestText
