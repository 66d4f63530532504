#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildJoiningForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
