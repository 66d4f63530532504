#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildHouseholdForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
