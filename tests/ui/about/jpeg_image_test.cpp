#include "ui/about/jpeg_image.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QtTest>
#include <vector>

#include "jpeg_encoder.h"

namespace zelvaro {

namespace {

QByteArray aboutPhoto() {
    QFile file(QStringLiteral(ZELVARO_ABOUT_PHOTO));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray pngPicture() {
    QImage image(8, 8, QImage::Format_RGB888);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The photograph with two bytes from `at` replaced: an end-of-picture marker in the middle of
// the compressed data.
QByteArray withEndMarkerAt(QByteArray bytes, int at) {
    bytes[at] = char(0xFF);
    bytes[at + 1] = char(0xD9);
    return bytes;
}

const std::vector<unsigned char> kRed = {230, 20, 20};

}  // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesTheAboutPhoto();
    void decodesEveryPixel_data();
    void decodesEveryPixel();
    void refusesWhatIsNotAWholePicture_data();
    void refusesWhatIsNotAWholePicture();
};

// The picture of the About window: its size, the dark background and the warm light of a lit
// part of the mirror (red over green over blue, so no channel is swapped).
void JpegImageTest::decodesTheAboutPhoto() {
    const QByteArray bytes = aboutPhoto();
    QVERIFY(!bytes.isEmpty());
    QVERIFY2(bytes.size() < 40 * 1024, "the photograph is kept small");
    const QImage image = DecodeJpeg(bytes);
    QCOMPARE(image.size(), QSize(360, 120));
    QCOMPARE(image.format(), QImage::Format_RGB888);
    const QColor background = image.pixelColor(2, 2);
    QVERIFY(background.red() < 30 && background.green() < 30 && background.blue() < 30);
    const QColor lit = image.pixelColor(330, 60);
    QVERIFY(lit.red() > 200);
    QVERIFY(lit.red() > lit.green() + 30);
    QVERIFY(lit.green() > lit.blue() + 30);
    const QColor shadow = image.pixelColor(280, 60);
    QVERIFY(shadow.red() < lit.red() / 3);
}

void JpegImageTest::decodesEveryPixel_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("colour") << EncodeJpeg(16, 8, JCS_RGB, kRed) << QSize(16, 8)
                            << QColor(230, 20, 20);
    QTest::newRow("grey turns into RGB")
        << EncodeJpeg(9, 5, JCS_GRAYSCALE, {200}) << QSize(9, 5) << QColor(200, 200, 200);
    QTest::newRow("as wide as allowed") << EncodeJpeg(kMaxJpegSide, 1, JCS_RGB, kRed)
                                        << QSize(kMaxJpegSide, 1) << QColor(230, 20, 20);
    QTest::newRow("as tall as allowed") << EncodeJpeg(1, kMaxJpegSide, JCS_RGB, kRed)
                                        << QSize(1, kMaxJpegSide) << QColor(230, 20, 20);
}

void JpegImageTest::decodesEveryPixel() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    const QImage image = DecodeJpeg(bytes);
    QCOMPARE(image.size(), size);
    for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)}) {
        const QColor pixel = image.pixelColor(corner);
        QVERIFY2(qAbs(pixel.red() - colour.red()) <= 4 &&
                     qAbs(pixel.green() - colour.green()) <= 4 &&
                     qAbs(pixel.blue() - colour.blue()) <= 4,
                 qPrintable(pixel.name()));
    }
}

void JpegImageTest::refusesWhatIsNotAWholePicture_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray photo = aboutPhoto();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("isto não é uma foto");
    QTest::newRow("PNG") << pngPicture();
    QTest::newRow("start marker only") << photo.left(2);
    QTest::newRow("headers only") << photo.left(400);
    QTest::newRow("cut in half") << photo.left(photo.size() / 2);
    QTest::newRow("end marker missing") << photo.chopped(2);
    QTest::newRow("marker inside the data") << withEndMarkerAt(photo, photo.size() / 2);
    QTest::newRow("wider than allowed") << EncodeJpeg(kMaxJpegSide + 1, 1, JCS_RGB, kRed);
    QTest::newRow("taller than allowed") << EncodeJpeg(1, kMaxJpegSide + 1, JCS_RGB, kRed);
    QTest::newRow("CMYK") << EncodeJpeg(8, 8, JCS_CMYK, {0, 200, 200, 0});
}

void JpegImageTest::refusesWhatIsNotAWholePicture() {
    QFETCH(QByteArray, bytes);
    QVERIFY(DecodeJpeg(bytes).isNull());
}

int runJpegImageTests(int argc, char** argv) {
    JpegImageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "jpeg_image_test.moc"
