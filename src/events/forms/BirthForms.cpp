#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildBirthForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
