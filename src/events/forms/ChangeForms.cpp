#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildChangeForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
