#include "events/forms/FormGroups.h"

namespace EventForms {

bool buildCollegeLifeForm(const QString &, Context &)
{
    return false;
}

} // namespace EventForms
