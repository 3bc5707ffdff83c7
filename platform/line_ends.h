#pragma once
// How this system's text files end their lines.

// CR LF on Windows, LF elsewhere: a new file's lines follow the system, an old file's its own.
bool LinesEndWithCarriageReturn();
