#include "sheet/ListFile.h"

#include "records/Console.h"
#include "sheet/FileText.h"
#include "sheet/SafeFile.h"

#include <QFile>
#include <QIODevice>

namespace ListFile {

QString fileName(const QString &listName)
{
    return listName + QLatin1String(".sls");
}

QString backupName(const QString &listName)
{
    return listName + QLatin1String(".bak");
}

QString readFailedMessage()
{
    return QStringLiteral("Cannot read file.");
}

QString writeFailedMessage()
{
    return QStringLiteral("Cannot write file.");
}

FamilyLinkWriter::FamilyLinkWriter(const SimList &list)
{
    m_positions.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i))
            m_positions[list.at(i).data()].append(i);
    }
}

QString FamilyLinkWriter::line(const Sim &sim) const
{
    int spouse = -1;
    if (const Sim *partner = sim.spouse().data()) {
        const auto found = m_positions.constFind(partner);
        if (found != m_positions.constEnd())
            spouse = found->last();
    }
    QString line = QString::number(spouse);
    for (int i = 0; i < sim.childCount(); ++i) {
        const Sim *child = sim.child(i).data();
        if (!child)
            continue;
        const auto found = m_positions.constFind(child);
        if (found == m_positions.constEnd())
            continue;
        for (int position : *found)
            line += QLatin1Char(',') + QString::number(position);
    }
    return line;
}

QByteArray write(const SimList &sims, const Sections &sections, QByteArray *withoutSettingsLine)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    for (const QPointer<Sim> &sim : sims) {
        // The list never holds a gap; should one appear, a default line keeps
        // the positions of the later sims.
        text += (sim ? sim->toString() : Sim().toString()) + crlf;
    }
    text += crlf;
    text += sections.updates + crlf;
    text += sections.achievements + crlf;
    QString tail = crlf;
    tail += sections.households + (sections.households.isEmpty() ? crlf : crlf + crlf);
    const FamilyLinkWriter links(sims);
    for (const QPointer<Sim> &sim : sims)
        tail += (sim ? links.line(*sim) : QStringLiteral("-1")) + crlf;
    if (withoutSettingsLine)
        *withoutSettingsLine = (text + tail).toUtf8();
    return (text + sections.settingsLine + tail).toUtf8();
}

Contents read(const QByteArray &bytes, int format)
{
    Contents contents;
    FileText::LineCursor lines(FileText::decode(bytes));

    for (QString line = lines.next(); !line.isEmpty(); line = lines.next()) {
        Sim *sim = contents.store.keep(new Sim());
        sim->fromString(line, format);
        contents.sims.append(sim);
    }
    for (QString line = lines.next(); !line.isEmpty(); line = lines.next())
        contents.updateLines.append(line);
    for (QString line = lines.next(); !line.isEmpty(); line = lines.next())
        contents.achievementLines.append(line);
    // Nothing of the settings line is used: the settings come from
    // "tolvane.conf".
    contents.settingsLine = lines.next();
    if (format > 0) {
        for (QString line = lines.next(); !line.isEmpty(); line = lines.next())
            contents.householdLines.append(line);
    }
    if (format > 2) {
        // Line i belongs to the i-th sim; surplus lines are not read.
        int i = 0;
        for (QString line = lines.next(); !line.isEmpty() && i < contents.sims.size();
             line = lines.next(), ++i) {
            contents.sims.at(i)->familyLinksFromString(line, contents.sims);
        }
    }
    return contents;
}

bool read(QIODevice *device, int format, Contents *out)
{
    QByteArray bytes;
    if (!SafeFile::readAll(device, &bytes))
        return false;
    *out = read(bytes, format);
    return true;
}

bool readFile(const QString &path, int format, Contents *out)
{
    QByteArray bytes;
    if (!SafeFile::read(path, &bytes))
        return false;
    *out = read(bytes, format);
    return true;
}

Receiver::~Receiver() = default;

void Receiver::loadUpdates(const QStringList &lines)
{
    for (const QString &line : lines)
        loadUpdate(line);
}

void Receiver::loadAchievements(const QStringList &lines)
{
    for (const QString &line : lines)
        loadAchievement(line);
}

void apply(Contents &contents, int format, Receiver &receiver)
{
    receiver.clearSheet();
    Console::line(QStringLiteral("Reading sims..."));
    receiver.takeSims(contents.store, contents.sims);
    Console::line(QStringLiteral("Updating various tabs..."));
    receiver.rebuild();
    Console::line(QStringLiteral("Reading updates..."));
    receiver.loadUpdates(contents.updateLines);
    Console::line(QStringLiteral("Reading achievements..."));
    receiver.loadAchievements(contents.achievementLines);
    if (format > 0) {
        Console::line(QStringLiteral("Reading household info..."));
        for (const QString &line : qAsConst(contents.householdLines))
            receiver.loadHousehold(line);
    }
}

} // namespace ListFile
