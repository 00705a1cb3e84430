#pragma once

#include <QString>
#include <stdexcept>

namespace zelvaro {

class Project;

// A page that could not be written; what() says why, in Portuguese.
class PageFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the results page of the project as the results window shows it after the main
// window's reduction: a PNG file is the window's picture, 846 × 821 pixels; a PDF file is one
// A4 portrait page with the picture fitted to it as a printer gets it. The kind follows the
// file's extension. Needs a running QApplication.
void WriteResultsPage(Project& project, const QString& path);

}  // namespace zelvaro
