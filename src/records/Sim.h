#pragma once

#include "records/Codes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class Sim;

// The sheet's ordered list of sims. Positions in it identify sims in the
// list file, so its order is part of the file format.
using SimList = QList<QPointer<Sim>>;

// One sim of the neighbourhood. Records are never deleted while the program
// runs; pages, dialogs and entries hold guarded pointers to them.
// Operations never fail: out-of-range indexes give a neutral result or
// change nothing.
class Sim : public QObject
{
public:
    Sim(QString name, int age, int gender, int aspiration, int secondaryAspiration, bool alive,
        int flags, QString notes, QString imageFile);
    explicit Sim(QObject *parent = nullptr);
    ~Sim() override;

    // Plain getters.
    QString name() const { return m_name; }
    int nid() const { return m_nid; }
    int gender() const { return m_gender; }
    int age() const { return m_age; }
    QString household() const { return m_household; }
    int witchAlignment() const { return m_witchAlignment; }
    QString major() const { return m_major; }
    int semester() const { return m_semester; }
    bool isAlive() const { return m_alive; }
    int ghostColor() const { return m_ghostColor; }
    QString notes() const { return m_notes; }
    QString imageFile() const { return m_imageFile; }
    // Read-only views of state the rest of the program otherwise reaches
    // through tests such as isSpecies() or the life-stage text.
    int hold() const { return m_hold; }
    int species() const { return m_species; }
    bool isInCollege() const { return m_inCollege; }

    // Plain setters: each stores its argument and does nothing else.
    void setName(const QString &name) { m_name = name; }
    void setNid(int nid) { m_nid = nid; }
    void setGender(int gender) { m_gender = gender; }
    void setAge(int age) { m_age = age; }
    void setHold(int hold) { m_hold = hold; }
    void setHousehold(const QString &household) { m_household = household; }
    void setNotes(const QString &notes) { m_notes = notes; }
    void setImageFile(const QString &file) { m_imageFile = file; }
    void setSemester(int semester) { m_semester = semester; }
    void setWitchAlignment(int alignment) { m_witchAlignment = alignment; }
    // Plain writes used by the sim edit form, which sets fields directly.
    void setAlive(bool alive) { m_alive = alive; }
    void setGhostColor(int color) { m_ghostColor = color; }
    void setSpeciesCode(int species) { m_species = species; }
    void setInCollegeFlag(bool inCollege) { m_inCollege = inCollege; }
    void setMajorText(const QString &major) { m_major = major; }
    // Sets or clears one life-state field (SimTypeFlags bit) with no side
    // effect, unlike setFlag/clearFlag.
    void setLifeState(int bit, bool on);

    // Hold, species, life states, death and college.
    bool decrementHold();
    void setSpecies(const QString &exportWord);
    bool isSpecies(int code) const { return m_species == code; }
    bool hasFlag(int bit) const;
    void setFlag(int bit);
    void clearFlag(int bit);
    void setFlags(int flags);
    // The SimTypeFlags word of the life states and the species.
    int flagsWord() const;
    void die(int ghostColor);
    void resurrect(bool successfully);
    void setInCollege(bool inCollege);
    void setMajor(const QString &major);
    bool isNonPlayable() const;
    bool isTownieOrNPC() const;

    // Life stages and aging.
    QString lifeStageText() const;
    void addDays(int days);
    bool canAge() const;

    // Aspiration periods and lifetime wants. Period -1 is the current one.
    int aspiration(int period = -1) const;
    int secondaryAspiration(int period = -1) const;
    QString aspirationName(int period = -1) const;
    QString secondaryAspirationName(int period = -1) const;
    void setAspiration(int primary, int secondary, int period = -1);
    void addAspiration(int primary, int secondary);
    void removeAspiration(int period);
    void setExportAspirations(const QString &primary, const QString &secondary);
    void addLifetimeWant(const QString &text, int period = -1);
    void setLifetimeWant(int period, int want, const QString &text, int done, int total);
    QString lifetimeWant(int period, int want) const;
    int lifetimeWantSteps(int period, int want) const;
    int lifetimeWantStepsDone(int period, int want) const;
    // Number of aspiration periods (entries of the primary list).
    int periodCount() const { return int(m_aspirations.size()); }
    // Number of want texts of a period; 0 when out of range.
    int lifetimeWantCount(int period) const;

    // Kin links.
    QPointer<Sim> parent1() const { return m_parent1; }
    QPointer<Sim> parent2() const { return m_parent2; }
    QPointer<Sim> spouse() const { return m_spouse; }
    QPointer<Sim> child(int index) const;
    int childCount() const { return int(m_children.size()); }
    bool hasParent(QPointer<Sim> sim) const;
    void clearParent1() { m_parent1 = nullptr; }
    void clearParent2() { m_parent2 = nullptr; }
    void clearSpouse() { m_spouse = nullptr; }
    // Setting a spouse or parents keeps every link held by both sides:
    // whoever either sim leaves lets go of it (detachFrom).
    void setSpouse(QPointer<Sim> sim);
    // A null argument keeps that parent. One sim is never both parents: a
    // sim given for one place leaves the other, and one given for both
    // takes the first place only.
    void setParents(QPointer<Sim> first, QPointer<Sim> second);
    void addChild(QPointer<Sim> child);
    // A former relative lets go of this sim where this sim no longer holds
    // it: as spouse when this sim is married to another or to no one, and as
    // parent when this sim names it as neither parent. Every change of a
    // spouse or parent ends with this, so that the list file, which can only
    // keep links both sides hold, reads them back as they were.
    void detachFrom(const QPointer<Sim> &former);
    void removeChild(int index);
    // A re-imported record merged into this sim: its details, and the
    // relatives it names, each mapped to the first sim of `sims` with its
    // NID. A relative the record names replaces this sim's own (the former
    // one letting go); where it names none, this sim keeps the link it has.
    void copyFrom(QPointer<Sim> other, SimList sims);
    // The relatives a merge brings: each non-null one replaces this sim's
    // own through setSpouse and setParents; a child is listed when it names
    // this sim as a parent.
    struct Relatives
    {
        QPointer<Sim> spouse;
        QPointer<Sim> parent1;
        QPointer<Sim> parent2;
        SimList children;
    };
    void takeRelatives(const Relatives &relatives);
    // What copyFrom takes of a record besides its links: name, species, age,
    // household, semester, gender, a new aspiration period with its wants,
    // college, major and whether it lives.
    void copyDetailsFrom(const Sim *other);
    // The editor's ids of the spouse and parents that an imported record
    // names, -1 for none. Only a record on its way in from an import has
    // them: a merge finds by them the relatives not imported with it.
    struct KinIds
    {
        int spouse = -1;
        int parent1 = -1;
        int parent2 = -1;
    };
    KinIds namedKin() const { return m_namedKin; }
    void setNamedKin(const KinIds &ids) { m_namedKin = ids; }
    // Every link (parents, spouse, children) that points at `from` points at
    // `to` instead; nothing else changes, on either sim. A child already
    // listed is not listed twice, no sim becomes its own relative, and one
    // that would become both parents keeps the first place only.
    void replaceRelative(const Sim *from, const QPointer<Sim> &to);

    // The sim line of the list file: written in format 0.5, read in any
    // format index (0..3 for 0.1..0.4, anything else as 0.5). Reading
    // returns false when the line ends before its image path, the last field
    // every line of a format holds, when a number field holds anything but a
    // number as the writer writes it (a form QStringView::toInt still reads,
    // as "02" or "-0", keeps that value; any other text reads as 0), or when
    // a quoted field (name, household, major, want) does not open with its
    // quote: the record then keeps what was read.
    QString toString() const;
    bool fromString(const QString &line, int format);
    bool readVersion01(const QString &line);
    bool readVersion02(const QString &line);
    bool readVersion03(const QString &line);

    // The family-link line: spouse and children by position in the list.
    // Reading returns false when a part of the line is not a number as the
    // writer writes it; such a part is left out. A part naming the sim
    // itself, or a position the list does not hold (-1, "no spouse", aside),
    // is left out, and said in `skipped` when given.
    struct SkippedLinks
    {
        bool ownSpouse = false;
        bool ownChild = false;
        // The parts as they stand on the line.
        QString spouseNamingNoSim;
        QStringList childrenNamingNoSim;
    };
    QString familyLinksToString(const SimList &list) const;
    bool familyLinksFromString(const QString &line, const SimList &list,
                               SkippedLinks *skipped = nullptr);
    // Once every line of the section is read: a link that one side holds
    // alone, as a former spouse still naming a sim married again, or a third
    // sim listing a child that names two others, is let go. Lists whose
    // links both sides hold read as they are.
    static void dropOneSidedLinks(const SimList &list);

private:
    bool readOlderFormat(const QString &line, int version);

    int m_hold = 0;
    KinIds m_namedKin;
    QPointer<Sim> m_parent1;
    QPointer<Sim> m_parent2;
    QList<QPointer<Sim>> m_children;
    QPointer<Sim> m_spouse;
    QString m_name;
    int m_nid = -1;
    int m_species = Species::Human;
    int m_age = 0;
    QString m_household = QStringLiteral("At Large");
    int m_semester = 0;
    int m_gender = Gender::Unset;
    QList<int> m_aspirations{0};
    QList<int> m_secondaryAspirations{0};
    QList<QStringList> m_lifetimeWants{QStringList()};
    QList<QList<int>> m_wantSteps{QList<int>()};
    QList<QList<int>> m_wantStepsDone{QList<int>()};
    bool m_inCollege = false;
    QString m_major;
    bool m_alien = false;
    bool m_zombie = false;
    bool m_vampire = false;
    bool m_servo = false;
    bool m_werewolf = false;
    bool m_plantsim = false;
    bool m_bigfoot = false;
    bool m_witch = false;
    int m_witchAlignment = Alignment::Neutral;
    bool m_alive = true;
    int m_ghostColor = GhostColor::White;
    QString m_notes;
    QString m_imageFile;
};
