#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace zelvaro {

// Where the About window's photograph is kept: a JPEG picture among the program's resources.
inline const QString kAboutPhoto = QStringLiteral(":/about/foucault.jpg");

// The About window: four right-aligned lines of credit over the default button "&Fechar", and a
// colour photograph along the bottom edge. A modal tool window; the caller centres it on the
// main window and runs it with exec().
class TfrmSobre : public QDialog {
    Q_OBJECT

  public:
    // `photoFile` is read whole and decoded with libjpeg; a missing or unreadable file leaves the
    // photograph's place empty.
    explicit TfrmSobre(QWidget* parent = nullptr, const QString& photoFile = kAboutPhoto);

    // Places this window's centre on the centre of `window` (not null), before or after showing.
    void centreOn(const QWidget* window);

  private:
    QWidget* createCredits();
    QLabel* createPhoto(const QString& photoFile);

    QPushButton* btnFechar_ = nullptr;
};

}  // namespace zelvaro
