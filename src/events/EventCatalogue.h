#pragma once

#include <QString>
#include <QStringList>

// The fixed catalogue of events the Update tab offers, by category and
// filtered by the expansion packs. The names are the keys of the forms, so
// they are exact texts.
namespace EventCatalogue {

// The prompt that heads the category box; it has no events.
QString prompt();

// The six categories, in display order.
const QStringList &categories();

// The events of a category, in display order, for a pack set (EPFlags
// bits). An unknown category, the prompt included, has none.
QStringList events(const QString &category, int epFlags);

// Every name of the catalogue, both names of each pack-chosen pair included.
QStringList allNames();

} // namespace EventCatalogue
