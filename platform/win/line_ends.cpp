#include "platform/line_ends.h"

bool LinesEndWithCarriageReturn() {
    return true;
}
