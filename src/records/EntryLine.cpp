#include "records/EntryLine.h"

#include "records/ListFileText.h"

namespace EntryLine {

QString format(const QString &text, int pos1, int pos2)
{
    // A sentence may name a sim whose name holds a line break; written as is
    // it would split the line.
    return QLatin1Char('"') + ListFileText::singleLine(text) + QLatin1String("\",") + QString::number(pos1)
        + QLatin1Char(',') + QString::number(pos2);
}

bool parse(const QString &line, Fields *out)
{
    const int lastComma = line.lastIndexOf(QLatin1Char(','));
    if (lastComma <= 0)
        return false;
    const int middleComma = line.lastIndexOf(QLatin1Char(','), lastComma - 1);
    if (middleComma < 2)
        return false;
    // The quoted sentence ends right before the middle comma.
    if (line.at(0) != QLatin1Char('"') || line.at(middleComma - 1) != QLatin1Char('"'))
        return false;
    // A garbled position must not pass for no sim: the entry would name
    // nobody, or another sim, without a word. That holds for a position in
    // another form than the written one too: "-0" would name the first sim.
    const QStringView text(line);
    bool ok1 = false;
    bool ok2 = false;
    const int pos1 = ListFileText::writtenNumber(
        text.mid(middleComma + 1, lastComma - middleComma - 1), &ok1);
    const int pos2 = ListFileText::writtenNumber(text.mid(lastComma + 1), &ok2);
    if (!ok1 || !ok2)
        return false;
    out->text = line.mid(1, middleComma - 2);
    out->pos1 = pos1;
    out->pos2 = pos2;
    return true;
}

bool namesSimsOf(const Fields &fields, qsizetype sims)
{
    const auto names = [sims](int pos) { return pos == -1 || (pos >= 0 && pos < sims); };
    return names(fields.pos1) && names(fields.pos2);
}

Sim *simAt(const SimList &list, int pos)
{
    if (pos < 0 || pos >= list.size())
        return nullptr;
    return list.at(pos).data();
}

int positionOf(const SimList &list, const Sim *sim)
{
    if (!sim)
        return -1;
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).data() == sim)
            return i;
    }
    return -1;
}

Positions::Positions(const SimList &list)
{
    m_first.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        const Sim *sim = list.at(i).data();
        if (sim && !m_first.contains(sim))
            m_first.insert(sim, i);
    }
}

int Positions::of(const Sim *sim) const
{
    return sim ? m_first.value(sim, -1) : -1;
}

} // namespace EntryLine
