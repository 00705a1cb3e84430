#include <QApplication>

#include "help_test_suites.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = zelvaro::RunHelpFileTests(argc, argv);
    failures += zelvaro::RunHelpLocationTests(argc, argv);
    failures += zelvaro::RunHelpWindowsTests(argc, argv);
    return failures;
}
