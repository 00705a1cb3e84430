#include <QApplication>

namespace zelvaro {
int runJpegImageTests(int argc, char** argv);
int runAboutWindowTests(int argc, char** argv);
}  // namespace zelvaro

// The decoder's and the About window's test classes, one after the other in one program.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = zelvaro::runJpegImageTests(argc, argv);
    failures += zelvaro::runAboutWindowTests(argc, argv);
    return failures;
}
