#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildAdoptionForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
