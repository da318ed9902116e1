#include "splash_screen.h"

#include "document/maker.h"
#include "document/zone_table.h"
#include "veld_version.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

SplashScreen::SplashScreen(int displayMs, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      displayMs_(displayMs) {
    setObjectName(QStringLiteral("Splash1"));
    // A splash is looked at, never typed into: it must not take activation from the windows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setFixedSize(480, 300);
}

QStringList SplashScreen::lines() {
    // The acronym in spaced capitals: K A V R O.
    const QString acronym = QLatin1String(maker::acronym);
    QStringList spaced;
    for (QChar letter : acronym)
        spaced << QString(letter);
    return {QStringLiteral("VELDA"),
            QStringLiteral("REGISTRASI DOMAIN"),
            spaced.join(QLatin1Char(' ')),
            QStringLiteral("Versi ") + QLatin1String(program::version),
            QLatin1String(maker::webAddress),
            QStringLiteral("Dibuat oleh tim VELD, dengan Qt")};
}

void SplashScreen::LoadSplash() {
    loaded_ = true;
    setAccessibleName(lines().join(QLatin1Char(' ')));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    emit splashLoaded();
}

void SplashScreen::ShowSplash(const std::function<void()> &done) {
    if (!loaded_)
        LoadSplash();
    show();
    raise();
    emit splashShown();
    const auto close = [this, done] {
        hide();
        if (done)
            done();
    };
    if (displayMs_ > 0)
        QTimer::singleShot(displayMs_, this, close);
    else
        close();
}

void SplashScreen::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (!visible && windowHandle())
        destroy();
}

void SplashScreen::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    sky.setColorAt(1, QColor(0x1d, 0x6f, 0x8f));
    painter.fillRect(rect(), sky);

    // A globe of domains: a sphere with meridians and parallels.
    const QPointF centre(120, 150);
    const qreal radius = 86;
    QRadialGradient sphere(centre - QPointF(30, 30), radius * 1.4);
    sphere.setColorAt(0, QColor(0x9f, 0xe7, 0xf5));
    sphere.setColorAt(1, QColor(0x12, 0x5e, 0x86));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sphere);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.4));
    painter.setBrush(Qt::NoBrush);
    for (qreal w : {0.25, 0.55, 0.85})
        painter.drawEllipse(centre, radius * w, radius);
    for (qreal h : {-0.5, 0.0, 0.5}) {
        const qreal y = centre.y() + h * radius;
        const qreal half = radius * std::sqrt(1 - h * h);
        painter.drawLine(QPointF(centre.x() - half, y), QPointF(centre.x() + half, y));
    }
    // A ribbon with the zone suffix across the globe.
    QPainterPath ribbon;
    ribbon.addRoundedRect(QRectF(centre.x() - 58, centre.y() + 52, 116, 30), 6, 6);
    painter.fillPath(ribbon, QColor(0xf2, 0x9f, 0x05));
    painter.setPen(Qt::white);
    QFont ribbonFont = font();
    ribbonFont.setBold(true);
    ribbonFont.setPointSize(14);
    painter.setFont(ribbonFont);
    painter.drawText(ribbon.boundingRect(), Qt::AlignCenter, QLatin1String(zones::topLevelSuffix));

    const QStringList text = lines();
    QFont title = font();
    title.setBold(true);
    title.setPointSize(26);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(230, 40, 240, 44), Qt::AlignLeft | Qt::AlignVCenter, text[0]);
    title.setPointSize(12);
    painter.setFont(title);
    painter.drawText(QRectF(230, 84, 240, 24), Qt::AlignLeft | Qt::AlignVCenter, text[1]);

    QFont body = font();
    body.setPointSize(10);
    painter.setFont(body);
    painter.setPen(QColor(0xf2, 0x9f, 0x05));
    painter.drawText(QRectF(230, 130, 240, 22), Qt::AlignLeft | Qt::AlignVCenter, text[2]);
    painter.setPen(QColor(0xdd, 0xee, 0xf5));
    for (int i = 3; i < 6; ++i)
        painter.drawText(QRectF(230, 160 + (i - 3) * 24, 240, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         text[i]);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
