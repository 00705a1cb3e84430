#include <QApplication>

namespace zelvaro {
int runDateTimeTextTests(int argc, char** argv);
int runMeasurementModelTests(int argc, char** argv);
int runMeasurementGridTests(int argc, char** argv);
}  // namespace zelvaro

// The grid's test classes, one after the other in one program.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = zelvaro::runDateTimeTextTests(argc, argv);
    failures += zelvaro::runMeasurementModelTests(argc, argv);
    failures += zelvaro::runMeasurementGridTests(argc, argv);
    return failures;
}
