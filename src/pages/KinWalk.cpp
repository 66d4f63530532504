#include "pages/KinWalk.h"

#include "records/Codes.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

namespace {

// The words a term is made of. The fixed terms come first; the next eight
// take one "Great-" in front per generation; the last stands for every
// cousin term.
enum Word : int {
    Husband,
    Wife,
    FatherInLaw,
    MotherInLaw,
    BrotherInLaw,
    SisterInLaw,
    StepSon,
    StepDaughter,
    Son,
    Daughter,
    SonInLaw,
    DaughterInLaw,
    Father,
    Mother,
    StepFather,
    StepMother,
    Brother,
    Sister,
    HalfBrother,
    HalfSister,
    Nephew,
    Niece,
    Grandson,
    Granddaughter,
    Grandnephew,
    Grandniece,
    Grandfather,
    Grandmother,
    Uncle,
    Aunt,
    Cousin
};

const char *const Words[] = {
    "Husband",       "Wife",          "Father-in-Law", "Mother-in-Law",   "Brother-in-Law",
    "Sister-in-Law", "Step-Son",      "Step-Daughter", "Son",             "Daughter",
    "Son-in-Law",    "Daughter-in-Law", "Father",      "Mother",          "Step-Father",
    "Step-Mother",   "Brother",       "Sister",        "Half-Brother",    "Half-Sister",
    "Nephew",        "Niece",         "Grandson",      "Granddaughter",   "Grandnephew",
    "Grandniece",    "Grandfather",   "Grandmother",   "Uncle",           "Aunt",
};

// A term as numbers: the word, then the number of "Great-" or the cousin
// degree, then the removal. Two terms are equal exactly when their texts
// are, so the walk compares numbers and writes each text once at the end:
// degrees and removals that share a text ("Distant", "Many Times") are
// folded together.
using Term = quint64;

Term fixedTerm(Word word)
{
    return Term(word);
}

Term greatTerm(Word word, int greats)
{
    return Term(word) | Term(quint32(greats)) << 8;
}

Term cousinTerm(int degree, int removal)
{
    const int ordinal = degree >= 1 && degree <= 20 ? degree : 0;
    const int times = removal <= 0 ? 0 : (removal <= 20 ? removal : 21);
    return Term(Cousin) | Term(ordinal) << 8 | Term(times) << 40;
}

QString termText(Term term)
{
    const Word word = Word(term & 0xff);
    if (word < Grandson)
        return QLatin1String(Words[word]);
    if (word < Cousin) {
        const int greats = int(quint32(term >> 8));
        return QStringLiteral("Great-").repeated(greats) + QLatin1String(Words[word]);
    }
    const int ordinal = int((term >> 8) & 0xff);
    const int times = int(term >> 40);
    QString text = KinWalk::ordinalWord(ordinal) + QStringLiteral(" Cousin");
    if (times > 0)
        text += QStringLiteral(", ") + KinWalk::timesWord(times) + QStringLiteral(" Removed");
    return text;
}

// One call of a line, by its arguments: a second call with the same
// arguments would only repeat terms that are already there.
struct LineCall
{
    int kind;
    const Sim *sim;
    const Sim *other;
    int first;
    int second;

    bool operator==(const LineCall &o) const
    {
        return kind == o.kind && sim == o.sim && other == o.other && first == o.first
            && second == o.second;
    }
};

size_t qHash(const LineCall &call, size_t seed = 0)
{
    return qHashMulti(seed, call.kind, call.sim, call.other, call.first, call.second);
}

enum LineKind { DescendantLine, CousinLine, RemovedCousins, AncestorLine };

// Keeps a sim on the current chain while the walk is below it.
class OnChain
{
public:
    OnChain(QSet<const Sim *> &chain, const Sim *sim)
        : m_chain(chain)
        , m_sim(sim)
        , m_added(!chain.contains(sim))
    {
        if (m_added)
            m_chain.insert(sim);
    }
    ~OnChain()
    {
        if (m_added)
            m_chain.remove(m_sim);
    }
    OnChain(const OnChain &) = delete;
    OnChain &operator=(const OnChain &) = delete;

private:
    QSet<const Sim *> &m_chain;
    const Sim *m_sim;
    bool m_added;
};

class Walk
{
public:
    Walk(Sim *focus, bool livingOnly, bool playableOnly)
        : m_focus(focus)
        , m_livingOnly(livingOnly)
        , m_playableOnly(playableOnly)
    {
    }

    void run();
    QList<KinRow> rows() const;

private:
    struct Listed
    {
        QPointer<Sim> sim;
        QVarLengthArray<Term, 2> terms;
    };

    void list(Sim *relative, Term male, Term female)
    {
        addRelative(relative, relative->gender() == Gender::Male ? male : female);
    }
    void addRelative(Sim *relative, Term term);
    void addParentSide(Sim *parent);
    void addGrandparent(Sim *grandparent);
    void addDescendantLine(Sim *sim, Word male, Word female, int greats);
    void addCousinLine(Sim *sim, int degree, int removal);
    void addRemovedCousins(Sim *sim, int degree, int depth);
    void addAncestorLine(Sim *ancestor, int depth, Sim *cameFrom);
    bool isFullSibling(const Sim *sibling) const;
    bool firstCall(const LineCall &call);

    Sim *m_focus;
    bool m_livingOnly;
    bool m_playableOnly;
    QList<Listed> m_listed;
    QHash<const Sim *, int> m_rowOf;
    QSet<LineCall> m_calls;
    // The sims the walk is below on its way down, and on its way up. A sim
    // met again on its own chain is its own ancestor: the walk turns back
    // there instead of going round for ever.
    QSet<const Sim *> m_down;
    QSet<const Sim *> m_up;
};

// Visits the children in list order, up to the first empty entry.
template <typename Visit>
void forEachChild(const Sim *sim, Visit visit)
{
    for (int i = 0;; ++i) {
        Sim *child = sim->child(i).data();
        if (!child)
            return;
        visit(child);
    }
}

bool Walk::firstCall(const LineCall &call)
{
    const qsizetype before = m_calls.size();
    m_calls.insert(call);
    return m_calls.size() != before;
}

void Walk::addRelative(Sim *relative, Term term)
{
    if (m_livingOnly && !relative->isAlive())
        return;
    if (m_playableOnly && relative->household() == QLatin1String("At Large"))
        return;
    if (relative == m_focus)
        return;
    const auto found = m_rowOf.constFind(relative);
    if (found == m_rowOf.cend()) {
        m_rowOf.insert(relative, int(m_listed.size()));
        m_listed.append(Listed{relative, {term}});
        return;
    }
    QVarLengthArray<Term, 2> &terms = m_listed[*found].terms;
    if (!terms.contains(term))
        terms.append(term);
}

bool Walk::isFullSibling(const Sim *sibling) const
{
    // The same two parents in either order: the order is only the order in
    // which the links were made.
    const Sim *first = m_focus->parent1().data();
    const Sim *second = m_focus->parent2().data();
    if (!first || !second)
        return false;
    const Sim *theirFirst = sibling->parent1().data();
    const Sim *theirSecond = sibling->parent2().data();
    return (theirFirst == first && theirSecond == second)
        || (theirFirst == second && theirSecond == first);
}

void Walk::run()
{
    // Spouse, the spouse's parents and siblings, the spouse's other children.
    if (Sim *spouse = m_focus->spouse().data()) {
        list(spouse, fixedTerm(Husband), fixedTerm(Wife));
        for (Sim *inLaw : {spouse->parent1().data(), spouse->parent2().data()}) {
            if (!inLaw)
                continue;
            list(inLaw, fixedTerm(FatherInLaw), fixedTerm(MotherInLaw));
            forEachChild(inLaw, [&](Sim *child) {
                if (child != spouse)
                    list(child, fixedTerm(BrotherInLaw), fixedTerm(SisterInLaw));
            });
        }
        forEachChild(spouse, [&](Sim *child) {
            if (!child->hasParent(m_focus))
                list(child, fixedTerm(StepSon), fixedTerm(StepDaughter));
        });
    }

    forEachChild(m_focus, [&](Sim *child) {
        list(child, fixedTerm(Son), fixedTerm(Daughter));
        if (Sim *inLaw = child->spouse().data())
            list(inLaw, fixedTerm(SonInLaw), fixedTerm(DaughterInLaw));
        forEachChild(child, [&](Sim *grandchild) {
            addDescendantLine(grandchild, Grandson, Granddaughter, 0);
        });
    });

    if (Sim *parent = m_focus->parent1().data())
        addParentSide(parent);
    if (Sim *parent = m_focus->parent2().data())
        addParentSide(parent);

    OnChain focusOnChain(m_up, m_focus);
    for (Sim *parent : {m_focus->parent1().data(), m_focus->parent2().data()}) {
        if (!parent)
            continue;
        OnChain parentOnChain(m_up, parent);
        if (Sim *grandparent = parent->parent1().data())
            addGrandparent(grandparent);
        if (Sim *grandparent = parent->parent2().data())
            addGrandparent(grandparent);
    }
}

void Walk::addParentSide(Sim *parent)
{
    list(parent, fixedTerm(Father), fixedTerm(Mother));
    Sim *partner = parent->spouse().data();
    if (partner && !m_focus->hasParent(partner))
        list(partner, fixedTerm(StepFather), fixedTerm(StepMother));
    forEachChild(parent, [&](Sim *sibling) {
        if (sibling == m_focus)
            return;
        if (isFullSibling(sibling))
            list(sibling, fixedTerm(Brother), fixedTerm(Sister));
        else
            list(sibling, fixedTerm(HalfBrother), fixedTerm(HalfSister));
        if (Sim *inLaw = sibling->spouse().data())
            list(inLaw, fixedTerm(BrotherInLaw), fixedTerm(SisterInLaw));
        forEachChild(sibling, [&](Sim *nephew) {
            list(nephew, fixedTerm(Nephew), fixedTerm(Niece));
            forEachChild(nephew, [&](Sim *grandnephew) {
                addDescendantLine(grandnephew, Grandnephew, Grandniece, 0);
            });
        });
    });
}

void Walk::addGrandparent(Sim *grandparent)
{
    list(grandparent, greatTerm(Grandfather, 0), greatTerm(Grandmother, 0));
    forEachChild(grandparent, [&](Sim *uncle) {
        if (m_focus->hasParent(uncle))
            return;
        list(uncle, greatTerm(Uncle, 0), greatTerm(Aunt, 0));
        if (Sim *inLaw = uncle->spouse().data())
            list(inLaw, greatTerm(Uncle, 0), greatTerm(Aunt, 0));
        forEachChild(uncle, [&](Sim *cousin) { addCousinLine(cousin, 1, 0); });
    });
    OnChain onChain(m_up, grandparent);
    if (Sim *ancestor = grandparent->parent1().data())
        addAncestorLine(ancestor, 3, grandparent);
    if (Sim *ancestor = grandparent->parent2().data())
        addAncestorLine(ancestor, 3, grandparent);
}

void Walk::addDescendantLine(Sim *sim, Word male, Word female, int greats)
{
    if (m_down.contains(sim) || !firstCall({DescendantLine, sim, nullptr, male, greats}))
        return;
    list(sim, greatTerm(male, greats), greatTerm(female, greats));
    OnChain onChain(m_down, sim);
    forEachChild(sim, [&](Sim *child) { addDescendantLine(child, male, female, greats + 1); });
}

void Walk::addCousinLine(Sim *sim, int degree, int removal)
{
    if (m_down.contains(sim) || !firstCall({CousinLine, sim, nullptr, degree, removal}))
        return;
    const Term term = cousinTerm(degree, removal);
    list(sim, term, term);
    OnChain onChain(m_down, sim);
    forEachChild(sim, [&](Sim *child) { addCousinLine(child, degree, removal + 1); });
}

void Walk::addRemovedCousins(Sim *sim, int degree, int depth)
{
    if (m_down.contains(sim) || !firstCall({RemovedCousins, sim, nullptr, degree, depth}))
        return;
    const Term term = cousinTerm(degree, depth - 2);
    list(sim, term, term);
    OnChain onChain(m_down, sim);
    forEachChild(sim, [&](Sim *child) {
        if (depth == 3)
            addCousinLine(child, degree + 1, 0);
        else
            addRemovedCousins(child, degree + 1, depth - 1);
    });
}

void Walk::addAncestorLine(Sim *ancestor, int depth, Sim *cameFrom)
{
    if (m_up.contains(ancestor) || !firstCall({AncestorLine, ancestor, cameFrom, depth, 0}))
        return;
    const int greats = depth - 2;
    list(ancestor, greatTerm(Grandfather, greats), greatTerm(Grandmother, greats));
    forEachChild(ancestor, [&](Sim *uncle) {
        if (uncle == cameFrom)
            return;
        // Great-uncles and great-aunts are listed without their spouses.
        list(uncle, greatTerm(Uncle, greats), greatTerm(Aunt, greats));
        forEachChild(uncle, [&](Sim *cousin) { addRemovedCousins(cousin, 1, depth); });
    });
    OnChain onChain(m_up, ancestor);
    if (Sim *parent = ancestor->parent1().data())
        addAncestorLine(parent, depth + 1, ancestor);
    if (Sim *parent = ancestor->parent2().data())
        addAncestorLine(parent, depth + 1, ancestor);
}

QList<KinRow> Walk::rows() const
{
    // Many relatives share a term; each text is written once.
    QHash<Term, QString> texts;
    auto textOf = [&texts](Term term) {
        auto found = texts.constFind(term);
        if (found == texts.cend())
            found = texts.insert(term, termText(term));
        return *found;
    };
    QList<KinRow> rows;
    rows.reserve(m_listed.size());
    for (const Listed &listed : m_listed) {
        QString joined = textOf(listed.terms.first());
        for (qsizetype i = 1; i < listed.terms.size(); ++i)
            joined += QStringLiteral("; ") + textOf(listed.terms.at(i));
        rows.append(KinRow{listed.sim, joined});
    }
    return rows;
}

} // namespace

namespace KinWalk {

QList<KinRow> familyOf(Sim *focus, bool livingOnly, bool playableOnly)
{
    if (!focus)
        return {};
    Walk walk(focus, livingOnly, playableOnly);
    walk.run();
    return walk.rows();
}

QString ordinalWord(int n)
{
    static const char *const ordinals[] = {
        "First",      "Second",     "Third",      "Fourth",      "Fifth",
        "Sixth",      "Seventh",    "Eighth",     "Ninth",       "Tenth",
        "Eleventh",   "Twefth",     "Thirteenth", "Fourteenth",  "Fifteenth",
        "Sixteenth",  "Seventeenth", "Eighteenth", "Nineteenth", "Twentieth"};
    if (n < 1 || n > 20)
        return QStringLiteral("Distant");
    return QLatin1String(ordinals[n - 1]);
}

QString timesWord(int r)
{
    static const char *const numbers[] = {
        "Three ",    "Four ",    "Five ",    "Six ",       "Seven ",    "Eight ",
        "Nine ",     "Ten ",     "Eleven ",  "Twelve ",    "Thirteen ", "Fourteen ",
        "Fifteen ",  "Sixteen ", "Seventeen ", "Eighteen ", "Nineteen ", "Twenty "};
    if (r == 1)
        return QStringLiteral("Once");
    if (r == 2)
        return QStringLiteral("Twice");
    if (r < 3 || r > 20)
        return QStringLiteral("Many Times");
    return QLatin1String(numbers[r - 3]) + QStringLiteral("Times");
}

} // namespace KinWalk
