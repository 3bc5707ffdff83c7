#include "platform/privileges.h"

#include <unistd.h>

bool RunsAsSuperuser() {
    return ::geteuid() == 0;
}
