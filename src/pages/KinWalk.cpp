#include "pages/KinWalk.h"

#include "records/Codes.h"

#include <QHash>
#include <QVarLengthArray>

#include <deque>

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

enum LineKind { DescendantLine, CousinLine, RemovedCousins, AncestorLine };

// One call of a line from a sim, by its other arguments: a second call with
// the same arguments would only repeat terms that are already there.
struct LineCall
{
    const Sim *other;
    int kind;
    int first;
    int second;

    bool operator==(const LineCall &o) const
    {
        return kind == o.kind && other == o.other && first == o.first && second == o.second;
    }
};

// What the walk keeps of a sim it has met. Large families meet each sim
// many times, so its filter result, its row, its children and the lines
// already followed from it are looked up once.
struct Node
{
    Sim *sim = nullptr;
    // Whether it gets a row when reached: it passes the boxes and is not
    // the focus sim.
    bool listable = false;
    bool male = false;
    bool childrenKnown = false;
    // On the current chain of the walk down, or up. A sim met again on its
    // own chain is its own ancestor: the walk turns back there instead of
    // going round for ever.
    bool below = false;
    bool above = false;
    int row = -1;
    // The children in list order, up to the first empty entry.
    QVarLengthArray<Node *, 4> children;
    QVarLengthArray<LineCall, 2> calls;
};

// Marks a node as on a chain while the walk is beyond it.
class OnChain
{
public:
    explicit OnChain(bool &mark)
        : m_mark(mark)
        , m_added(!mark)
    {
        m_mark = true;
    }
    ~OnChain()
    {
        if (m_added)
            m_mark = false;
    }
    OnChain(const OnChain &) = delete;
    OnChain &operator=(const OnChain &) = delete;

private:
    bool &m_mark;
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
        Sim *sim;
        QVarLengthArray<Term, 2> terms;
    };

    Node &node(Sim *sim);
    const QVarLengthArray<Node *, 4> &childrenOf(Node &parent);
    void list(Node &relative, Term male, Term female)
    {
        addRelative(relative, relative.male ? male : female);
    }
    void list(Sim *relative, Term male, Term female) { list(node(relative), male, female); }
    void addRelative(Node &relative, Term term);
    void addParentSide(Sim *parent);
    void addGrandparent(Sim *grandparent);
    void addDescendantLine(Node &n, Word male, Word female, int greats);
    void addCousinLine(Node &n, int degree, int removal);
    void addRemovedCousins(Node &n, int degree, int depth);
    void addAncestorLine(Sim *ancestor, int depth, Sim *cameFrom);
    bool isFullSibling(const Sim *sibling) const;
    static bool firstCall(Node &n, const LineCall &call);

    Sim *m_focus;
    bool m_livingOnly;
    bool m_playableOnly;
    QList<Listed> m_listed;
    // A deque keeps every node where it is while others are added.
    std::deque<Node> m_store;
    QHash<const Sim *, Node *> m_nodes;
};

Node &Walk::node(Sim *sim)
{
    Node *&slot = m_nodes[sim];
    if (!slot) {
        slot = &m_store.emplace_back();
        slot->sim = sim;
        slot->male = sim->gender() == Gender::Male;
        slot->listable = sim != m_focus && !(m_livingOnly && !sim->isAlive())
            && !(m_playableOnly && sim->household() == QLatin1String("At Large"));
    }
    return *slot;
}

const QVarLengthArray<Node *, 4> &Walk::childrenOf(Node &parent)
{
    if (!parent.childrenKnown) {
        parent.childrenKnown = true;
        for (int i = 0;; ++i) {
            Sim *child = parent.sim->child(i).data();
            if (!child)
                break;
            parent.children.append(&node(child));
        }
    }
    return parent.children;
}

bool Walk::firstCall(Node &n, const LineCall &call)
{
    if (n.calls.contains(call))
        return false;
    n.calls.append(call);
    return true;
}

void Walk::addRelative(Node &relative, Term term)
{
    if (!relative.listable)
        return;
    if (relative.row < 0) {
        relative.row = int(m_listed.size());
        m_listed.append(Listed{relative.sim, {term}});
        return;
    }
    QVarLengthArray<Term, 2> &terms = m_listed[relative.row].terms;
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
            Node &parent = node(inLaw);
            list(parent, fixedTerm(FatherInLaw), fixedTerm(MotherInLaw));
            for (Node *child : childrenOf(parent)) {
                if (child->sim != spouse)
                    list(*child, fixedTerm(BrotherInLaw), fixedTerm(SisterInLaw));
            }
        }
        for (Node *child : childrenOf(node(spouse))) {
            if (!child->sim->hasParent(m_focus))
                list(*child, fixedTerm(StepSon), fixedTerm(StepDaughter));
        }
    }

    for (Node *child : childrenOf(node(m_focus))) {
        list(*child, fixedTerm(Son), fixedTerm(Daughter));
        if (Sim *inLaw = child->sim->spouse().data())
            list(inLaw, fixedTerm(SonInLaw), fixedTerm(DaughterInLaw));
        for (Node *grandchild : childrenOf(*child))
            addDescendantLine(*grandchild, Grandson, Granddaughter, 0);
    }

    if (Sim *parent = m_focus->parent1().data())
        addParentSide(parent);
    if (Sim *parent = m_focus->parent2().data())
        addParentSide(parent);

    OnChain focusOnChain(node(m_focus).above);
    for (Sim *parent : {m_focus->parent1().data(), m_focus->parent2().data()}) {
        if (!parent)
            continue;
        OnChain parentOnChain(node(parent).above);
        if (Sim *grandparent = parent->parent1().data())
            addGrandparent(grandparent);
        if (Sim *grandparent = parent->parent2().data())
            addGrandparent(grandparent);
    }
}

void Walk::addParentSide(Sim *parent)
{
    Node &n = node(parent);
    list(n, fixedTerm(Father), fixedTerm(Mother));
    Sim *partner = parent->spouse().data();
    if (partner && !m_focus->hasParent(partner))
        list(partner, fixedTerm(StepFather), fixedTerm(StepMother));
    for (Node *sibling : childrenOf(n)) {
        if (sibling->sim == m_focus)
            continue;
        if (isFullSibling(sibling->sim))
            list(*sibling, fixedTerm(Brother), fixedTerm(Sister));
        else
            list(*sibling, fixedTerm(HalfBrother), fixedTerm(HalfSister));
        if (Sim *inLaw = sibling->sim->spouse().data())
            list(inLaw, fixedTerm(BrotherInLaw), fixedTerm(SisterInLaw));
        for (Node *nephew : childrenOf(*sibling)) {
            list(*nephew, fixedTerm(Nephew), fixedTerm(Niece));
            for (Node *grandnephew : childrenOf(*nephew))
                addDescendantLine(*grandnephew, Grandnephew, Grandniece, 0);
        }
    }
}

void Walk::addGrandparent(Sim *grandparent)
{
    Node &n = node(grandparent);
    list(n, greatTerm(Grandfather, 0), greatTerm(Grandmother, 0));
    for (Node *uncle : childrenOf(n)) {
        if (m_focus->hasParent(uncle->sim))
            continue;
        list(*uncle, greatTerm(Uncle, 0), greatTerm(Aunt, 0));
        if (Sim *inLaw = uncle->sim->spouse().data())
            list(inLaw, greatTerm(Uncle, 0), greatTerm(Aunt, 0));
        for (Node *cousin : childrenOf(*uncle))
            addCousinLine(*cousin, 1, 0);
    }
    OnChain onChain(n.above);
    if (Sim *ancestor = grandparent->parent1().data())
        addAncestorLine(ancestor, 3, grandparent);
    if (Sim *ancestor = grandparent->parent2().data())
        addAncestorLine(ancestor, 3, grandparent);
}

void Walk::addDescendantLine(Node &n, Word male, Word female, int greats)
{
    if (n.below || !firstCall(n, {nullptr, DescendantLine, male, greats}))
        return;
    list(n, greatTerm(male, greats), greatTerm(female, greats));
    OnChain onChain(n.below);
    for (Node *child : childrenOf(n))
        addDescendantLine(*child, male, female, greats + 1);
}

void Walk::addCousinLine(Node &n, int degree, int removal)
{
    if (n.below || !firstCall(n, {nullptr, CousinLine, degree, removal}))
        return;
    const Term term = cousinTerm(degree, removal);
    list(n, term, term);
    OnChain onChain(n.below);
    for (Node *child : childrenOf(n))
        addCousinLine(*child, degree, removal + 1);
}

void Walk::addRemovedCousins(Node &n, int degree, int depth)
{
    if (n.below || !firstCall(n, {nullptr, RemovedCousins, degree, depth}))
        return;
    const Term term = cousinTerm(degree, depth - 2);
    list(n, term, term);
    OnChain onChain(n.below);
    for (Node *child : childrenOf(n)) {
        if (depth == 3)
            addCousinLine(*child, degree + 1, 0);
        else
            addRemovedCousins(*child, degree + 1, depth - 1);
    }
}

void Walk::addAncestorLine(Sim *ancestor, int depth, Sim *cameFrom)
{
    Node &n = node(ancestor);
    if (n.above || !firstCall(n, {cameFrom, AncestorLine, depth, 0}))
        return;
    const int greats = depth - 2;
    list(n, greatTerm(Grandfather, greats), greatTerm(Grandmother, greats));
    for (Node *uncle : childrenOf(n)) {
        if (uncle->sim == cameFrom)
            continue;
        // Great-uncles and great-aunts are listed without their spouses.
        list(*uncle, greatTerm(Uncle, greats), greatTerm(Aunt, greats));
        for (Node *cousin : childrenOf(*uncle))
            addRemovedCousins(*cousin, 1, depth);
    }
    OnChain onChain(n.above);
    if (Sim *parent = ancestor->parent1().data())
        addAncestorLine(parent, depth + 1, ancestor);
    if (Sim *parent = ancestor->parent2().data())
        addAncestorLine(parent, depth + 1, ancestor);
}

QList<KinRow> Walk::rows() const
{
    // Many relatives share a term; each text is written once.
    QHash<Term, QString> texts;
    auto textOf = [&texts](Term term) -> const QString & {
        auto found = texts.find(term);
        if (found == texts.end())
            found = texts.insert(term, termText(term));
        return *found;
    };
    const QString separator = QStringLiteral("; ");
    QList<KinRow> rows;
    rows.reserve(m_listed.size());
    for (const Listed &listed : m_listed) {
        if (listed.terms.size() == 1) {
            rows.append(KinRow{listed.sim, textOf(listed.terms.first())});
            continue;
        }
        qsizetype length = 0;
        for (Term term : listed.terms)
            length += textOf(term).size() + separator.size();
        QString joined;
        joined.reserve(length);
        for (Term term : listed.terms) {
            if (!joined.isEmpty())
                joined += separator;
            joined += textOf(term);
        }
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
