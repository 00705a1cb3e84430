#include <QApplication>
#include <QFile>
#include <QLocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/page/results_page_file.h"
#include "data/locale_separators.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Only a page needs the window system; without a display named, it needs none at all.
    const zelvaro::PageWriter writePage = [&](zelvaro::Project& project, const std::string& out) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int appArgc = 1;
        const QApplication app(appArgc, argv);
        zelvaro::WriteResultsPage(project, QFile::decodeName(out.c_str()));
    };
    return zelvaro::runCommandLine(args, zelvaro::separatorsOf(QLocale::system()), std::cout,
                                   std::cerr, writePage);
}
