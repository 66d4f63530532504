#include "support/ImportRecords.h"

ImportRecord importRecord(std::initializer_list<std::pair<int, QString>> changes)
{
    ImportRecord record;
    for (int position = 0; position < ImportColumn::Count; ++position)
        record.append(ImportColumn::defaultValue(position));
    record[ImportColumn::NID] = QStringLiteral("1");
    record[ImportColumn::FirstName] = QStringLiteral("Kim");
    record[ImportColumn::LastName] = QStringLiteral("Lo");
    record[ImportColumn::FamilyInstance] = QStringLiteral("7");
    record[ImportColumn::HouseholdName] = QStringLiteral("Lo");
    record[ImportColumn::Gender] = QStringLiteral("Female");
    record[ImportColumn::Species] = QStringLiteral("Human");
    record[ImportColumn::LifeSection] = QStringLiteral("Adult");
    record[ImportColumn::Selected] = QStringLiteral("Y");
    for (const auto &change : changes)
        record[change.first] = change.second;
    return record;
}
