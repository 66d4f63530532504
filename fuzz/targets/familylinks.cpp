// The family-link line against a small sheet: no input may crash it or link
// a sim to itself, and the line written for what was read reads back, with
// no part left out, to the same line. Read as the section of a list of eight sims, the lines leave
// every link held by both sides and no sim its own ancestor, and the section
// written for them reads back to the same links.
#include "FuzzCheck.h"

#include "records/FamilyLoop.h"
#include "records/Sim.h"
#include "support/LinkCheck.h"

#include <memory>
#include <vector>

namespace {

struct Sheet
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList sims;

    explicit Sheet(int count)
    {
        for (int i = 0; i < count; ++i) {
            owned.push_back(std::make_unique<Sim>());
            owned.back()->setName(QStringLiteral("Sim %1").arg(i));
            sims << owned.back().get();
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks which of eight sims the line belongs to.
    const int who = data[0] % 8;
    const QStringList lines = Fuzz::lines(data + 1, size - 1);

    Sheet section(8);
    for (int i = 0; i < 8 && i < lines.size(); ++i)
        section.sims.at(i)->familyLinksFromString(lines.at(i), section.sims);
    settleReadLinks(section.sims);
    const QStringList faults = familyLinkFaults(section.sims);
    if (!faults.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(faults.join(QLatin1Char(' '))));
    FUZZ_CHECK(faults.isEmpty(), "a family-link section read leaves a link the list file cannot keep");

    for (const QString &line : lines) {
        Sheet first(8);
        Sim *sim = first.owned[size_t(who)].get();
        sim->familyLinksFromString(line, first.sims);
        FUZZ_CHECK(sim->spouse() != sim, "a sim became its own spouse");
        for (int i = 0; i < sim->childCount(); ++i)
            FUZZ_CHECK(sim->child(i) != sim, "a sim became its own child");
        const QString written = sim->familyLinksToString(first.sims);

        Sheet second(8);
        Sim *again = second.owned[size_t(who)].get();
        Sim::SkippedLinks skipped;
        const bool numbers = again->familyLinksFromString(written, second.sims, &skipped);
        FUZZ_CHECK(numbers && !skipped.ownSpouse && !skipped.ownChild
                       && skipped.spouseNamingNoSim.isNull() && skipped.childrenNamingNoSim.isEmpty(),
                   "a written family-link line reads back with parts left out");
        FUZZ_CHECK(again->familyLinksToString(second.sims) == written,
                   "a written family-link line reads back to other links");
    }
    return 0;
}
