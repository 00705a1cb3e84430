#include <QLocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "data/locale_separators.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zelvaro::runCommandLine(args, zelvaro::separatorsOf(QLocale::system()), std::cout,
                                   std::cerr);
}
