// Drawing as it reaches the screen: a translucent window seen through a compositing X
// server, element opacity in a grab, twips on a screen whose DPI differs in x and y, and a
// dialog over a page at a screen edge kept whole on the screen.
#include "ui/page_controls.h"
#include "ui/skin_element.h"
#include "ui/skin_panel.h"
#include "ui/skin_storage.h"
#include "ui/skin_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

class PlainWindow : public SkinWindow {
public:
    PlainWindow() : SkinWindow(QStringLiteral("Uji")) {}

protected:
    void closeRequested() override {}
};

// A control that reports the logical DPI given, as one on a screen whose DPI differs in x
// and y would: the offscreen and X11 screens of Qt report one logical DPI for both.
class DpiWidget : public QWidget {
public:
    DpiWidget(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

protected:
    int metric(PaintDeviceMetric metric) const override {
        if (metric == PdmDpiX)
            return dpiX_;
        if (metric == PdmDpiY)
            return dpiY_;
        return QWidget::metric(metric);
    }

private:
    int dpiX_, dpiY_;
};

// A child that paints itself whole, so the window's own region to paint leaves it out.
class OpaqueChild : public QWidget {
public:
    explicit OpaqueChild(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::magenta); }
};

QWidget *filledWidget(QColor colour, QWidget *parent = nullptr) {
    auto *widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    return widget;
}

constexpr const char *compositeFlag = "--composite-on-x";

// Runs in a child process on the X server in DISPLAY, where a compositing manager runs:
// shows a window in built-in skin `argv[2]` at level `argv[3]` and prints, as hex ARGB, the
// window's own pixel at its centre, the screen's background and the pixel the screen shows
// there. Exit status 2 when the screen never blends a translucent window at all, 4 when
// what it shows never settles.
int compositeChild(int argc, char **argv) {
    QApplication app(argc, argv);
    QScreen *screen = app.primaryScreen();
    auto screenPixel = [screen](QPoint at) {
        return screen->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0);
    };

    // A white window at half opacity shows whether the compositing manager has started and
    // blends windows, before anything about the skinned window is measured.
    std::unique_ptr<QWidget> probe(filledWidget(Qt::white));
    probe->setGeometry(0, 0, 40, 40);
    probe->setWindowOpacity(0.5);
    probe->show();
    if (!QTest::qWaitFor(
            [&] {
                const int red = qRed(screenPixel({20, 20}));
                return red > 10 && red < 245;
            },
            15000))
        return 2;
    probe.reset();

    SkinStorage storage(QString::fromLatin1(builtinSkins.at(std::atoi(argv[2])).resource));
    PlainWindow window;
    window.setGeometry(100, 100, 200, 150);
    window.SkinForm1->setCurrentSkin(storage.StoredSkin());
    window.SkinForm1->setSkinFormLevel(std::atoi(argv[3]));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 3;
    const QPoint centre(100, 75);
    const QPoint onScreen = window.mapToGlobal(centre);
    // The compositing manager repaints when it gets to it: wait until three grabs in a row agree.
    QRgb composite = 0;
    int sameInARow = 0;
    const bool settled = QTest::qWaitFor(
        [&] {
            const QRgb now = screenPixel(onScreen);
            sameInARow = now == composite ? sameInARow + 1 : 0;
            composite = now;
            QTest::qWait(100);
            return sameInARow >= 3;
        },
        5000);
    if (!settled)
        return 4;
    const QRgb own = window.grab().toImage().pixel(centre);
    std::printf("%08x %08x %08x\n", own, screenPixel({500, 400}), composite);
    return 0;
}

// A program started for the test, ended (and waited for) when the test ends.
class Helper {
public:
    explicit Helper(const QString &program, const QStringList &arguments,
                    const QString &display = QString()) {
        if (!display.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("DISPLAY"), display);
            process_.setProcessEnvironment(environment);
        }
        process_.start(program, arguments);
    }
    ~Helper() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    QProcess &process() { return process_; }

private:
    QProcess process_;
};

int channelOf(QRgb pixel, int channel) {
    return (pixel >> (16 - 8 * channel)) & 0xff;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void translucentSkinShowsThroughOnTheScreen();
    void elementLevelShowsInTheGrab();
    void twipsUseEachAxissOwnDpi_data();
    void twipsUseEachAxissOwnDpi();
    void dialogOverAPageAtTheEdgeStaysOnTheScreen_data();
    void dialogOverAPageAtTheEdgeStaysOnTheScreen();
    void windowPaintedInPiecesShowsAWholePaint_data();
    void windowPaintedInPiecesShowsAWholePaint();
};

void TestDrawing::translucentSkinShowsThroughOnTheScreen() {
    // Window opacity is the compositing manager's work: the offscreen platform drops it, so
    // the window is shown on an X server of its own with a compositing manager, and the
    // screen is read back from there.
    Helper server(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    QVERIFY2(server.process().waitForStarted(5000), "Xvfb is not installed");
    QVERIFY(QTest::qWaitFor([&] { return server.process().canReadLine(); }, 15000));
    const QString display = u':' + QString::fromLatin1(server.process().readLine().trimmed());
    Helper compositor(QStringLiteral("xcompmgr"), {}, display);
    QVERIFY2(compositor.process().waitForStarted(5000), "xcompmgr is not installed");

    const int military = 7, metallic = 3; // the translucent skin and an opaque one
    QCOMPARE(QLatin1String(builtinSkins[military].resource), QLatin1String(":/skins/military.skn"));
    QCOMPARE(QLatin1String(builtinSkins[metallic].resource), QLatin1String(":/skins/metallic.skn"));
    const struct {
        int skin;
        int level;
        double opacity; // what the window's own pixel is worth on the screen
    } cases[] = {
        {military, 255, 200 / 255.0},
        {military, 128, 128 / 255.0 * 200 / 255.0},
        {metallic, 128, 128 / 255.0},
        {metallic, 255, 1.0},
    };
    for (const auto &c : cases) {
        const QString row = QStringLiteral("skin %1 level %2").arg(c.skin).arg(c.level);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Under AddressSanitizer: libxkbcommon-x11 strndup()s keymap names that are not
        // NUL-terminated, which is sound but trips the strict string checks.
        if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                               environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                   QStringLiteral(":strict_string_checks=0"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(
            QCoreApplication::applicationFilePath(),
            {QLatin1String(compositeFlag), QString::number(c.skin), QString::number(c.level)});
        QVERIFY2(child.waitForFinished(60000), qPrintable(row));
        QVERIFY2(child.exitCode() != 2, "the compositing manager never blended a window");
        QCOMPARE(child.exitCode(), 0);
        const QList<QByteArray> pixels = child.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(pixels.size(), 3);
        const QRgb own = pixels[0].toUInt(nullptr, 16), background = pixels[1].toUInt(nullptr, 16),
                   shown = pixels[2].toUInt(nullptr, 16);
        int contrast = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int ownValue = channelOf(own, channel), behind = channelOf(background, channel);
            contrast = std::max(contrast, std::abs(ownValue - behind));
            const double expected = c.opacity * ownValue + (1 - c.opacity) * behind;
            QVERIFY2(
                std::abs(channelOf(shown, channel) - expected) <= 3,
                qPrintable(QStringLiteral("%1: window %2 over %3 shows as %4, not %5 in channel %6")
                               .arg(row, QString::number(own, 16), QString::number(background, 16),
                                    QString::number(shown, 16))
                               .arg(expected)
                               .arg(channel)));
        }
        // Only a window that differs from what lies behind it can show its opacity.
        QVERIFY2(contrast >= 40, qPrintable(row));
    }
}

void TestDrawing::elementLevelShowsInTheGrab() {
    std::unique_ptr<QWidget> window(filledWidget(Qt::white));
    window->resize(120, 120);
    QWidget *control = filledWidget(Qt::black, window.get());
    control->setGeometry(10, 10, 100, 100);
    SkinElement element(control);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Black drawn at the element's level over white: the grey left is the level's complement.
    for (int level : {255, 128, 51, 0, 128}) {
        element.setElementLevel(level);
        const QRgb pixel = window->grab().toImage().pixel(60, 60);
        QVERIFY2(std::abs(qRed(pixel) - (255 - level)) <= 2,
                 qPrintable(QStringLiteral("level %1 shows %2").arg(level).arg(qRed(pixel))));
    }
}

void TestDrawing::twipsUseEachAxissOwnDpi_data() {
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<QRect>("pixels");
    // The control is placed at 1440, 720 twips and sized 2880 by 360.
    QTest::newRow("96 by 96") << 96 << 96 << QRect(96, 48, 192, 24);
    QTest::newRow("wider than high") << 120 << 72 << QRect(120, 36, 240, 18);
    QTest::newRow("higher than wide") << 72 << 144 << QRect(72, 72, 144, 36);
}

void TestDrawing::twipsUseEachAxissOwnDpi() {
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QRect, pixels);
    DpiWidget control(dpiX, dpiY);
    placeAt(&control, 1440, 720, 2880, 360);
    QCOMPARE(control.geometry(), pixels);
}

// Where a dialog lies along one axis of its page's screen.
enum class Along { Start, Centre, End };
Q_DECLARE_METATYPE(Along)

void TestDrawing::dialogOverAPageAtTheEdgeStaysOnTheScreen_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<Along>("across");
    QTest::addColumn<Along>("down");
    // Two screens side by side (drawing_screens.json): "Kiri" at 0,0 800x600 and "Kanan" at
    // 800,100 640x480. A 301 by 201 dialog over a 201 by 151 page.
    const QSize dialog(301, 201);
    const QString left = QStringLiteral("Kiri"), right = QStringLiteral("Kanan");
    const Along start = Along::Start, centre = Along::Centre, end = Along::End;
    auto row = [&](const char *name, const QString &screen, QPoint page, Along across, Along down) {
        QTest::newRow(name) << screen << QRect(page, QSize(201, 151)) << dialog << across << down;
    };
    row("middle", left, {300, 225}, centre, centre);
    row("left edge", left, {0, 225}, start, centre);
    row("top edge", left, {300, 0}, centre, start);
    row("bottom edge", left, {300, 449}, centre, end);
    row("top left corner", left, {0, 0}, start, start);
    row("half off the bottom left", left, {-50, 500}, start, end);
    // The neighbouring screen does not count: the dialog stays whole on its page's screen.
    row("edge between the screens, left", left, {599, 225}, end, centre);
    row("edge between the screens, right", right, {800, 300}, start, centre);
    row("top edge, right", right, {1000, 100}, centre, start);
    row("bottom right corner", right, {1239, 429}, end, end);
    QTest::newRow("dialog larger than the screen")
        << right << QRect(1000, 300, 201, 151) << QSize(700, 500) << start << start;
}

void TestDrawing::dialogOverAPageAtTheEdgeStaysOnTheScreen() {
    QFETCH(QString, screen);
    QFETCH(QRect, page);
    QFETCH(QSize, dialog);
    QFETCH(Along, across);
    QFETCH(Along, down);

    PlainWindow owner; // owns the dialog once it is shown over it
    owner.setGeometry(page);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QCOMPARE(owner.screen()->name(), screen);
    auto *raised = new PlainWindow;
    raised->resize(dialog);
    raised->showOver(&owner);
    QVERIFY(QTest::qWaitForWindowExposed(raised));

    // The frame lies against the edge it would cross, or is centred over the page.
    const QRect available = owner.screen()->availableGeometry();
    const QRect frame = raised->frameGeometry();
    auto check = [](Along along, int low, int high, int lowEdge, int highEdge, int centre) {
        switch (along) {
        case Along::Start:
            return low == lowEdge;
        case Along::End:
            return high == highEdge;
        case Along::Centre:
            return std::abs((low + high) / 2 - centre) <= 1;
        }
        return false;
    };
    const QString placed = QStringLiteral("frame at %1,%2 to %3,%4")
                               .arg(frame.left())
                               .arg(frame.top())
                               .arg(frame.right())
                               .arg(frame.bottom());
    QVERIFY2(check(across, frame.left(), frame.right(), available.left(), available.right(),
                   page.center().x()),
             qPrintable(placed));
    QVERIFY2(check(down, frame.top(), frame.bottom(), available.top(), available.bottom(),
                   page.center().y()),
             qPrintable(placed));
    if (dialog.width() <= available.width() && dialog.height() <= available.height())
        QVERIFY2(available.contains(frame), qPrintable(placed));
}

void TestDrawing::windowPaintedInPiecesShowsAWholePaint_data() {
    QTest::addColumn<SkinRef>("skin");
    // Stripes on the window, stripes on the panel alone, finer stripes, a grid.
    for (int index : {0, 2, 3, 7})
        QTest::newRow(builtinSkins.at(index).name)
            << SkinStorage(QString::fromLatin1(builtinSkins.at(index).resource)).StoredSkin();
    // Where the fill and the border let the background through, and the panel is rounded.
    auto seeThrough = std::make_shared<Skin>(*SkinStorage(":/skins/winaqua.skn").StoredSkin());
    for (QColor *colour :
         {&seeThrough->form.fill.top, &seeThrough->form.fill.bottom, &seeThrough->form.border})
        colour->setAlpha(128);
    seeThrough->form.borderWidth = 3;
    seeThrough->panel = seeThrough->form;
    seeThrough->panel.radius = 10;
    QTest::newRow("half-transparent stripes") << SkinRef(seeThrough);
}

// The region a window or a control repaints is seldom one rectangle: a child that paints
// itself whole is left out of it, and a moving control bares strips. Painted through such a
// region, window and panel show what a paint of them whole shows, and nothing outside the
// region changes.
void TestDrawing::windowPaintedInPiecesShowsAWholePaint() {
    QFETCH(SkinRef, skin);
    PlainWindow window;
    window.resize(301, 203);
    auto *panel = new SkinPanel(QString(), &window);
    panel->setGeometry(23, 31, 201, 97);
    window.SkinForm1->setCurrentSkin(skin);
    panel->ApplySkin(window.SkinForm1);
    // Painted in one piece first, before there is a child to leave out.
    QImage whole = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect child(40, 50, 121, 31);
    QPainter(&whole).fillRect(child, Qt::magenta);
    (new OpaqueChild(&window))->setGeometry(child);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QImage &shown = *static_cast<QImage *>(window.backingStore()->paintDevice());
    const auto scribble = [&](const QRegion &region) {
        QPainter over(&shown);
        over.setClipRegion(region);
        over.fillRect(shown.rect(), Qt::green);
    };

    // The whole window but the child, which is not repainted.
    scribble(QRegion(shown.rect()) - child);
    window.repaint();
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), whole);

    // A ring round the child: the child is not repainted, and the window leaves its pixels
    // and all others outside the ring alone.
    scribble(shown.rect());
    const QRegion ring = QRegion(child.adjusted(-9, -7, 9, 7)) - child;
    window.repaint(ring);
    QImage expected(whole.size(), QImage::Format_RGB32);
    expected.fill(Qt::green);
    QPainter onlyRing(&expected);
    onlyRing.setClipRegion(ring);
    onlyRing.drawImage(0, 0, whole);
    onlyRing.end();
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), expected);
}

int main(int argc, char **argv) {
    if (argc == 4 && std::strcmp(argv[1], compositeFlag) == 0)
        return compositeChild(argc, argv);
    QApplication app(argc, argv);
    TestDrawing test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drawing.moc"
