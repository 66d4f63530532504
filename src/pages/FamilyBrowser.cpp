#include "pages/FamilyBrowser.h"

#include "records/Bounds.h"
#include "records/FamilyLoop.h"
#include "records/SimSort.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, const QString &objectName = QString())
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    return label;
}

QPushButton *namedButton(const QString &objectName)
{
    auto *button = new QPushButton;
    button->setObjectName(objectName);
    return button;
}

QComboBox *namedCombo(const QString &objectName, bool fitsEntries = true)
{
    auto *combo = new QComboBox;
    combo->setObjectName(objectName);
    if (fitsEntries)
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QHBoxLayout *row(const QList<QWidget *> &widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return layout;
}

// Shows the relative's widgets, or the row's "None" when there is none.
void showRelative(const QList<QWidget *> &relative, QLabel *none, bool exists)
{
    for (QWidget *widget : relative)
        widget->setVisible(exists);
    none->setVisible(!exists);
}

QStringList namesOf(const SimList &sims)
{
    QStringList names;
    names.reserve(sims.size());
    for (const QPointer<Sim> &sim : sims)
        names.append(sim->name());
    return names;
}

// The names go in as one plain list, which the combo takes over: item by
// item, thousands of sims take several times as long to fill and to measure.
void fillNames(QComboBox *combo, const QStringList &names, bool withNone)
{
    combo->setModel(new QStringListModel(withNone ? names + QStringList{QStringLiteral("None")}
                                                  : names,
                                         combo));
}

bool isChildOf(const Sim *parent, const Sim *child)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i) == child)
            return true;
    }
    return false;
}

} // namespace

FamilyBrowser::FamilyBrowser(QPointer<Sim> sim, SimList sims)
    : QDialog()
    , m_sim(sim)
{
    setObjectName(QStringLiteral("familyBrowser"));
    takeSims(sims);

    m_titleLabel = plainLabel(QString(), QStringLiteral("titleLabel"));

    m_spouseButton = namedButton(QStringLiteral("spouseButton"));
    m_spouseNone = plainLabel(QStringLiteral("None"), QStringLiteral("spouseNone"));
    m_parent1Button = namedButton(QStringLiteral("parent1Button"));
    m_parent1None = plainLabel(QStringLiteral("None"), QStringLiteral("parent1None"));
    m_parent2Button = namedButton(QStringLiteral("parent2Button"));
    m_parent2None = plainLabel(QStringLiteral("None"), QStringLiteral("parent2None"));
    m_viewChildButton = new QPushButton(QStringLiteral("View Child:"));
    m_childCombo = namedCombo(QStringLiteral("childCombo"));
    m_childrenNone = plainLabel(QStringLiteral("None"), QStringLiteral("childrenNone"));
    auto *siblingsCaption = plainLabel(QStringLiteral("Full and Partial Siblings: "));
    m_viewSiblingButton = new QPushButton(QStringLiteral("View Sibling:"));
    m_siblingCombo = namedCombo(QStringLiteral("siblingCombo"));
    m_siblingsNone = plainLabel(QStringLiteral("None"), QStringLiteral("siblingsNone"));

    m_navigationLayout = new QVBoxLayout;
    m_navigationLayout->addLayout(
        row({plainLabel(QStringLiteral("Spouse: ")), m_spouseButton, m_spouseNone}));
    m_navigationLayout->addLayout(
        row({plainLabel(QStringLiteral("First Parent: ")), m_parent1Button, m_parent1None}));
    m_navigationLayout->addLayout(
        row({plainLabel(QStringLiteral("Second Parent: ")), m_parent2Button, m_parent2None}));
    m_navigationLayout->addLayout(row({plainLabel(QStringLiteral("Children: ")), m_viewChildButton,
                                       m_childCombo, m_childrenNone}));
    m_navigationLayout->addLayout(
        row({siblingsCaption, m_viewSiblingButton, m_siblingCombo, m_siblingsNone}));
    m_navigationGroup = new QGroupBox(QStringLiteral("Navigation"));
    m_navigationGroup->setLayout(m_navigationLayout);

    m_setSpouseButton = new QPushButton(QStringLiteral("Set Spouse:"));
    m_spouseCombo = namedCombo(QStringLiteral("spouseCombo"));
    m_setParent1Button = new QPushButton(QStringLiteral("Set First Parent:"));
    m_parent1Combo = namedCombo(QStringLiteral("parent1Combo"));
    m_setParent2Button = new QPushButton(QStringLiteral("Set Second Parent:"));
    m_parent2Combo = namedCombo(QStringLiteral("parent2Combo"));
    m_addChildButton = new QPushButton(QStringLiteral("Add Child:"));
    m_addChildCombo = namedCombo(QStringLiteral("addChildCombo"));
    m_removeChildButton = new QPushButton(QStringLiteral("Remove Child:"));
    m_removeChildCombo = namedCombo(QStringLiteral("removeChildCombo"), false);
    m_addSiblingButton = new QPushButton(QStringLiteral("Add Full Sibling:"));
    m_addSiblingCombo = namedCombo(QStringLiteral("addSiblingCombo"));

    m_editLayout = new QVBoxLayout;
    m_editLayout->addLayout(row({m_setSpouseButton, m_spouseCombo}));
    m_editLayout->addLayout(row({m_setParent1Button, m_parent1Combo}));
    m_editLayout->addLayout(row({m_setParent2Button, m_parent2Combo}));
    m_editLayout->addLayout(row({m_addChildButton, m_addChildCombo}));
    m_editLayout->addLayout(row({m_removeChildButton, m_removeChildCombo}));
    m_editLayout->addLayout(row({m_addSiblingButton, m_addSiblingCombo}));
    m_editGroup = new QGroupBox(QStringLiteral("Edit Family"));
    m_editGroup->setLayout(m_editLayout);

    m_closeButton = new QPushButton(QStringLiteral("Close and Refresh Family List"));

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addWidget(m_titleLabel, 0, Qt::AlignHCenter);
    m_mainLayout->addLayout(row({m_navigationGroup, m_editGroup}));
    m_mainLayout->addWidget(m_closeButton, 0, Qt::AlignHCenter);
    setLayout(m_mainLayout);

    // The siblings row and the last edit row change most; they keep the size
    // they have with no entries, so the dialog does not jump below it.
    for (QWidget *widget : QList<QWidget *>{siblingsCaption, m_viewSiblingButton, m_siblingCombo,
                                            m_addSiblingButton})
        widget->setMinimumSize(widget->sizeHint());
    m_removeChildButton->setEnabled(false);

    connect(m_spouseButton, &QPushButton::clicked, this, &FamilyBrowser::viewSpouse);
    connect(m_parent1Button, &QPushButton::clicked, this, &FamilyBrowser::viewParent1);
    connect(m_parent2Button, &QPushButton::clicked, this, &FamilyBrowser::viewParent2);
    connect(m_viewChildButton, &QPushButton::clicked, this, &FamilyBrowser::viewChild);
    connect(m_viewSiblingButton, &QPushButton::clicked, this, &FamilyBrowser::viewSibling);
    connect(m_setSpouseButton, &QPushButton::clicked, this, &FamilyBrowser::setSpouse);
    connect(m_setParent1Button, &QPushButton::clicked, this, &FamilyBrowser::setParent1);
    connect(m_setParent2Button, &QPushButton::clicked, this, &FamilyBrowser::setParent2);
    connect(m_addChildButton, &QPushButton::clicked, this, &FamilyBrowser::addChild);
    connect(m_removeChildButton, &QPushButton::clicked, this, &FamilyBrowser::removeChild);
    connect(m_addSiblingButton, &QPushButton::clicked, this, &FamilyBrowser::addSibling);
    connect(m_closeButton, &QPushButton::clicked, this, &FamilyBrowser::closeAndUpdate);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);

    updateDisplay();
}

FamilyBrowser::~FamilyBrowser() = default;

void FamilyBrowser::setSim(QPointer<Sim> sim)
{
    m_sim = sim;
    updateDisplay();
}

void FamilyBrowser::setSimList(SimList sims)
{
    takeSims(sims);
    updateDisplay();
}

void FamilyBrowser::takeSims(SimList sims)
{
    sims.removeAll(QPointer<Sim>());
    // Every rebuild of the sheet, a filter toggle too, hands the list over
    // again: the same sims under the same names would sort into the order
    // they already have.
    if (sims == m_given && namesOf(m_sims) == m_sortedNames)
        return;
    m_given = sims;
    m_sims = sims;
    sortSimsByName(m_sims);
    m_sortedNames = namesOf(m_sims);
}

SimList FamilyBrowser::siblings() const
{
    SimList result;
    if (!m_sim)
        return result;
    // A parent may have thousands of children: the first parent's are
    // looked up in a set.
    QSet<const Sim *> taken;
    if (Sim *parent = m_sim->parent1().data()) {
        for (int i = 0; Sim *child = parent->child(i).data(); ++i) {
            if (child != m_sim) {
                result.append(child);
                taken.insert(child);
            }
        }
    }
    if (Sim *parent = m_sim->parent2().data()) {
        for (int i = 0; Sim *child = parent->child(i).data(); ++i) {
            if (child != m_sim && !taken.contains(child))
                result.append(child);
        }
    }
    sortSimsByName(result);
    return result;
}

void FamilyBrowser::updateDisplay()
{
    Sim *sim = m_sim.data();
    m_titleLabel->setText(QStringLiteral("Immediate Family of ") + (sim ? sim->name() : QString())
                          + QStringLiteral(":"));

    const struct
    {
        QPushButton *button;
        QLabel *none;
        Sim *relative;
    } relatives[] = {
        {m_spouseButton, m_spouseNone, sim ? sim->spouse().data() : nullptr},
        {m_parent1Button, m_parent1None, sim ? sim->parent1().data() : nullptr},
        {m_parent2Button, m_parent2None, sim ? sim->parent2().data() : nullptr},
    };
    for (const auto &relative : relatives) {
        if (relative.relative)
            relative.button->setText(relative.relative->name());
        showRelative({relative.button}, relative.none, relative.relative != nullptr);
    }

    m_childCombo->clear();
    m_removeChildCombo->clear();
    const bool hasChildren = sim && !sim->child(0).isNull();
    showRelative({m_viewChildButton, m_childCombo}, m_childrenNone, hasChildren);
    if (hasChildren) {
        for (int i = 0; Sim *child = sim->child(i).data(); ++i) {
            m_childCombo->addItem(child->name());
            m_removeChildCombo->addItem(child->name());
        }
    }
    m_removeChildButton->setEnabled(hasChildren);

    m_siblingCombo->clear();
    const SimList siblingList = siblings();
    showRelative({m_viewSiblingButton, m_siblingCombo}, m_siblingsNone, !siblingList.isEmpty());
    for (const QPointer<Sim> &sibling : siblingList)
        m_siblingCombo->addItem(sibling->name());

    // The five combos are filled anew only when the names they list have
    // changed: each holds every sim of the sheet, and a retarget or an edit
    // leaves them as they are. Either way each shows its first entry.
    const QStringList names = namesOf(m_sims);
    if (!m_namesShown || names != m_shownNames) {
        fillNames(m_spouseCombo, names, true);
        fillNames(m_parent1Combo, names, true);
        fillNames(m_parent2Combo, names, true);
        fillNames(m_addChildCombo, names, false);
        fillNames(m_addSiblingCombo, names, false);
        m_shownNames = names;
        m_namesShown = true;
    } else {
        for (QComboBox *combo :
             {m_spouseCombo, m_parent1Combo, m_parent2Combo, m_addChildCombo, m_addSiblingCombo})
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
    // Without a sim there is nothing to edit, and an empty list leaves
    // nothing to add.
    const bool editable = sim != nullptr;
    m_setSpouseButton->setEnabled(editable);
    m_setParent1Button->setEnabled(editable);
    m_setParent2Button->setEnabled(editable);
    m_addChildButton->setEnabled(editable && !m_sims.isEmpty());
    m_addSiblingButton->setEnabled(editable && !m_sims.isEmpty());

    fit();
}

void FamilyBrowser::fit()
{
    // Widgets shown, hidden, renamed or refilled reach the layouts only
    // through posted events, and each row's layout keeps the size it had
    // until then: asked at once, the layouts would size the rows as they
    // were, and a minimum taken from that would squeeze the new rows for
    // good. Measured afresh, each group asks the room its rows need, and
    // the dialog's layout, not a fixed minimum, keeps the player from
    // making the dialog smaller than that.
    for (QLayout *layout : {static_cast<QLayout *>(m_navigationLayout),
                            static_cast<QLayout *>(m_editLayout),
                            static_cast<QLayout *>(m_mainLayout)}) {
        layout->invalidate();
        layout->activate();
    }
    resize(sizeHint());
}

Sim *FamilyBrowser::chosenSim(const QComboBox *combo) const
{
    const int position = combo->currentIndex();
    return inRange(position, m_sims.size()) ? m_sims.at(position).data() : nullptr;
}

bool FamilyBrowser::refuseLoop(const Sim *parent, const Sim *child)
{
    if (!makesFamilyLoop(parent, child))
        return false;
    QMessageBox::warning(this, QString(), familyLoopRefusal());
    return true;
}

void FamilyBrowser::viewSpouse()
{
    if (m_sim && m_sim->spouse())
        setSim(m_sim->spouse());
}

void FamilyBrowser::viewParent1()
{
    if (m_sim && m_sim->parent1())
        setSim(m_sim->parent1());
}

void FamilyBrowser::viewParent2()
{
    if (m_sim && m_sim->parent2())
        setSim(m_sim->parent2());
}

void FamilyBrowser::viewChild()
{
    if (!m_sim)
        return;
    const QPointer<Sim> child = m_sim->child(m_childCombo->currentIndex());
    if (child)
        setSim(child);
}

void FamilyBrowser::viewSibling()
{
    const SimList siblingList = siblings();
    const int position = m_siblingCombo->currentIndex();
    if (inRange(position, siblingList.size()))
        setSim(siblingList.at(position));
}

void FamilyBrowser::setSpouse()
{
    Sim *sim = m_sim.data();
    if (!sim)
        return;
    if (Sim *chosen = chosenSim(m_spouseCombo)) {
        sim->setSpouse(chosen);
    } else if (m_spouseCombo->currentIndex() == m_sims.size()) {
        const QPointer<Sim> former = sim->spouse();
        sim->clearSpouse();
        sim->detachFrom(former);
    }
    updateDisplay();
}

void FamilyBrowser::setParent(QComboBox *combo, bool first)
{
    Sim *sim = m_sim.data();
    if (!sim)
        return;
    if (Sim *chosen = chosenSim(combo)) {
        if (refuseLoop(chosen, sim))
            return;
        if (first)
            sim->setParents(chosen, nullptr);
        else
            sim->setParents(nullptr, chosen);
    } else if (combo->currentIndex() == m_sims.size()) {
        const QPointer<Sim> former = first ? sim->parent1() : sim->parent2();
        if (first)
            sim->clearParent1();
        else
            sim->clearParent2();
        sim->detachFrom(former);
    }
    updateDisplay();
}

void FamilyBrowser::setParent1()
{
    setParent(m_parent1Combo, true);
}

void FamilyBrowser::setParent2()
{
    setParent(m_parent2Combo, false);
}

void FamilyBrowser::addChild()
{
    Sim *sim = m_sim.data();
    Sim *child = chosenSim(m_addChildCombo);
    if (!sim || !child)
        return;
    if (!isChildOf(sim, child)) {
        if (refuseLoop(sim, child))
            return;
        // A child without parents also gets the sim's spouse as a parent.
        Sim *spouse = sim->spouse().data();
        if (!child->hasParent(sim) && !child->parent1() && spouse != child
            && refuseLoop(spouse, child))
            return;
    }
    sim->addChild(child);
    updateDisplay();
}

void FamilyBrowser::removeChild()
{
    Sim *sim = m_sim.data();
    if (!sim)
        return;
    Sim *child = sim->child(m_removeChildCombo->currentIndex()).data();
    sim->removeChild(m_removeChildCombo->currentIndex());
    // The child no longer names the sim as a parent either, as the list
    // file would have it on the next open.
    if (child && !isChildOf(sim, child)) {
        if (child->parent1() == sim)
            child->clearParent1();
        if (child->parent2() == sim)
            child->clearParent2();
    }
    updateDisplay();
}

void FamilyBrowser::addSibling()
{
    Sim *sim = m_sim.data();
    Sim *sibling = chosenSim(m_addSiblingCombo);
    if (!sim || !sibling)
        return;
    Sim *first = sim->parent1().data();
    Sim *second = sim->parent2().data();
    if (refuseLoop(first, sibling) || refuseLoop(second, sibling))
        return;
    sibling->setParents(first, second);
    updateDisplay();
}
