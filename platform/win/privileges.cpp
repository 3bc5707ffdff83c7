#include "platform/privileges.h"

bool RunsAsSuperuser() {
    return false;
}
