#pragma once
// Whether the program runs as root, which some sandboxes refuse; false on Windows, which has
// no such user.

bool RunsAsSuperuser();
