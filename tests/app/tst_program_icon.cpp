// The program's icon as windows and task bars get it: every compiled-in size, each one the
// picture drawn for it, and at any size and pixel density the same pixmap as an icon that
// Qt makes of the drawn files itself.
#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QtTest>

namespace {

const QList<int> drawnSides{16, 24, 32, 48, 64, 128, 256};

QString drawnFile(int side) {
    return QStringLiteral(VELD_SOURCE_DIR "/resources/icons/hicolor/%1x%1/apps/veld.png").arg(side);
}

QImage pixels(const QPixmap &pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixmap.devicePixelRatio());
    return image;
}

} // namespace

class TestProgramIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpProgram(); }
    void everySizeIsItsOwnPicture();
    void anySizeAndDensityAsQtDrawsTheFiles();
};

void TestProgramIcon::everySizeIsItsOwnPicture() {
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QList<int> sides;
    for (const QSize &size : icon.availableSizes())
        sides << size.width();
    std::sort(sides.begin(), sides.end());
    QCOMPARE(sides, drawnSides);
    for (int side : drawnSides) {
        const QImage drawn(drawnFile(side));
        QCOMPARE(pixels(icon.pixmap(QSize(side, side), 1.0)),
                 drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestProgramIcon::anySizeAndDensityAsQtDrawsTheFiles() {
    QIcon files;
    for (int side : drawnSides)
        files.addFile(drawnFile(side));
    const QIcon icon = QApplication::windowIcon();
    for (qreal density : {1.0, 1.25, 1.5, 2.0, 3.0})
        for (int side : {16, 20, 22, 32, 40, 96, 300}) {
            const QSize size(side, side);
            const QPixmap ours = icon.pixmap(size, density);
            QCOMPARE(ours.size(), files.pixmap(size, density).size());
            QCOMPARE(pixels(ours), pixels(files.pixmap(size, density)));
            QCOMPARE(pixels(icon.pixmap(size, density, QIcon::Disabled)),
                     pixels(files.pixmap(size, density, QIcon::Disabled)));
        }
}

QTEST_MAIN(TestProgramIcon)
#include "tst_program_icon.moc"
