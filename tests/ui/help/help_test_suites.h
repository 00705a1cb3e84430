#pragma once

namespace zelvaro {

// Each runs one QtTest class and returns the number of failures.
int RunHelpFileTests(int argc, char** argv);
int RunHelpLocationTests(int argc, char** argv);
int RunHelpWindowsTests(int argc, char** argv);

// The help file the program ships.
inline const char* const kShippedHelpFile = ZELVARO_SHIPPED_HELP_FILE;

}  // namespace zelvaro
