#include "ui/about/about_window.h"

#include <QColor>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/about/jpeg_image.h"

// The photograph lives in a static library, whose resources reach the program only when
// something names them; Q_INIT_RESOURCE must be used outside any namespace.
static void initAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace zelvaro {

namespace {

// The photograph's place keeps this size when there is no picture, so the window looks the same.
constexpr int kPhotoWidth = 360;
constexpr int kPhotoHeight = 120;

// The dark of the photograph's background: where the picture does not reach, and in its place
// when there is none.
const QColor kPhotoBackground(7, 6, 5);

const char* const kCredits[] = {
    "Zelvaro — software livre para espelhistas",
    "2026",
    "Licença GPL-3.0-or-later",
    "Código-fonte junto ao programa",
};

QByteArray readWhole(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TfrmSobre::TfrmSobre(QWidget* parent, const QString& photoFile)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    initAboutResources();
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre..."));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(createCredits());
    layout->addWidget(createPhoto(photoFile));
}

QWidget* TfrmSobre::createCredits() {
    auto* top = new QWidget;
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(10, 10, 10, 10);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* lines = new QVBoxLayout(panel);
    int number = 0;
    for (const char* text : kCredits) {
        auto* label = new QLabel(QString::fromUtf8(text));
        label->setObjectName(QStringLiteral("Label%1").arg(++number));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lines->addWidget(label);
    }
    layout->addWidget(panel);

    btnFechar_ = new QPushButton(QStringLiteral("&Fechar"));
    btnFechar_->setObjectName(QStringLiteral("btnFechar"));
    btnFechar_->setDefault(true);
    connect(btnFechar_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnFechar_);
    layout->addLayout(buttons);
    return top;
}

QLabel* TfrmSobre::createPhoto(const QString& photoFile) {
    auto* photo = new QLabel;
    photo->setObjectName(QStringLiteral("Image1"));
    photo->setAlignment(Qt::AlignCenter);
    photo->setMinimumSize(kPhotoWidth, kPhotoHeight);
    photo->setAutoFillBackground(true);
    QPalette palette = photo->palette();
    palette.setColor(QPalette::Window, kPhotoBackground);
    photo->setPalette(palette);
    const QImage picture = DecodeJpeg(readWhole(photoFile));
    if (!picture.isNull()) photo->setPixmap(QPixmap::fromImage(picture));
    return photo;
}

void TfrmSobre::centreOn(const QWidget* window) {
    // Before the first show the layout has not yet given this window its size, and the frame the
    // window system will draw around it is not known: the insides are centred on each other.
    adjustSize();
    QRect inside(QPoint(), size());
    inside.moveCenter(window->mapToGlobal(window->rect().center()));
    setGeometry(inside);
}

}  // namespace zelvaro
