#include "support/SimKinds.h"

#include "records/Codes.h"

#include <QtGlobal>

QStringList SimKinds::all()
{
    return {"adult",    "ghost",     "baby",   "child",      "teen",      "elder of 90",
            "student",  "graduate",  "witch",  "large dog",  "small dog", "kitten",
            "plantsim", "servo",     "no gender", "runaway", "moor",      "odd codes"};
}

Sim *SimKinds::make(const QString &kind)
{
    using namespace Aspiration;
    const auto human = [&kind](const char *name, int age, int gender, int primary,
                               int secondary, int flags = 0) {
        auto *sim = new Sim(name, age, gender, primary, secondary, true, flags, "", "");
        sim->setHousehold("Brook");
        sim->setObjectName(kind);
        return sim;
    };
    if (kind == "adult") {
        Sim *sim = human("Ann Brook", 45, Gender::Female, Fortune, Family);
        sim->setHousehold("Lark");
        return sim;
    }
    if (kind == "ghost") {
        Sim *sim = human("Gus Brook", 50, Gender::Male, Romance, None);
        sim->die(GhostColor::Blue);
        return sim;
    }
    if (kind == "baby")
        return human("Bea Brook", 1, Gender::Female, None, None);
    if (kind == "child")
        return human("Cal Brook", 10, Gender::Male, GrowUp, None);
    if (kind == "teen")
        return human("Tia Brook", 20, Gender::Female, Knowledge, None);
    if (kind == "elder of 90")
        return human("Old Brook", 90, Gender::Male, Family, None);
    if (kind == "student") {
        Sim *sim = human("Stu Brook", 30, Gender::Male, Knowledge, None);
        sim->setInCollegeFlag(true);
        sim->setSemester(3);
        sim->setMajorText("Biology");
        return sim;
    }
    if (kind == "graduate") {
        Sim *sim = human("Gwen Brook", 40, Gender::Female, Fortune, None);
        sim->setInCollegeFlag(true);
        sim->setSemester(9);
        sim->setMajorText("Physics");
        return sim;
    }
    if (kind == "witch") {
        Sim *sim = human("Wanda Brook", 40, Gender::Female, Knowledge, None, SimTypeFlags::Witch);
        sim->setWitchAlignment(Alignment::Good);
        return sim;
    }
    if (kind == "large dog")
        return human("Rex Brook", 10, Gender::Male, None, None,
                     SimTypeFlags::LargeDog | SimTypeFlags::Zombie);
    if (kind == "small dog")
        return human("Fifi Brook", 31, Gender::Female, None, None, SimTypeFlags::SmallDog);
    if (kind == "kitten")
        return human("Tom Brook", 2, Gender::Male, None, None, SimTypeFlags::Cat);
    if (kind == "plantsim")
        return human("Ivy Brook", 20, Gender::Female, Family, None, SimTypeFlags::Plantsim);
    if (kind == "servo")
        return human("Bolt Brook", 40, Gender::Male, Fortune, None,
                     SimTypeFlags::Servo | SimTypeFlags::Bigfoot | SimTypeFlags::Alien);
    if (kind == "no gender")
        return human("Pat Brook", 40, Gender::Unset, Fortune, None);
    if (kind == "runaway") {
        Sim *sim = human("Run Away", 40, Gender::Male, Fortune, None);
        sim->setHousehold("Runaways");
        return sim;
    }
    if (kind == "moor") {
        Sim *sim = human("Mo Moor", 40, Gender::Male, Fortune, None);
        sim->setHousehold("Moor");
        return sim;
    }
    if (kind == "odd codes") {
        Sim *sim = human("Odd Brook", 40, Gender::Male, Family, 9);
        sim->die(12);
        sim->setWitchAlignment(5);
        return sim;
    }
    qFatal("unknown sim kind %s", qPrintable(kind));
    return nullptr;
}

