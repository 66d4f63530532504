#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildHoldForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
