#include "app/window/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/seams/Latin1.h"
#include "settings/Version.h"

namespace korvex::app {

namespace {

const QColor kDeepBlue(0x12, 0x3a, 0x6b);
const QColor kSkyBlue(0x3d, 0x8b, 0xd4);
const QColor kSignal(0xff, 0xb3, 0x2e);

// A mast with radio waves on a rounded blue tile, in a square of side `side` at `origin`.
void drawMark(QPainter& painter, QPointF origin, qreal side) {
    painter.save();
    painter.translate(origin);
    painter.scale(side / 100.0, side / 100.0);

    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, kSkyBlue);
    tile.setColorAt(1, kDeepBlue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);

    // The mast: a narrow triangle standing on the tile's lower edge.
    QPainterPath mast;
    mast.moveTo(50, 34);
    mast.lineTo(60, 86);
    mast.lineTo(40, 86);
    mast.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(mast);
    painter.setPen(QPen(kDeepBlue, 2.5));
    painter.drawLine(QPointF(46, 56), QPointF(54, 56));
    painter.drawLine(QPointF(44, 70), QPointF(56, 70));

    // Waves on both sides of the mast's tip.
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= 3; ++wave) {
        const qreal radius = 9.0 * wave;
        const QRectF box(50 - radius, 32 - radius, 2 * radius, 2 * radius);
        painter.setPen(QPen(wave == 1 ? kSignal : Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(box, 30 * 16, 60 * 16);
        painter.drawArc(box, 90 * 16, 60 * 16);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSignal);
    painter.drawEllipse(QPointF(50, 32), 5, 5);
    painter.restore();
}

}  // namespace

QPixmap iconPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawMark(painter, QPointF(0, 0), size);
    return picture;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(iconPicture(size));
    }
    return icon;
}

QPixmap splashPicture() {
    QPixmap picture(kSplashSize, kSplashSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, kSplashSize);
    background.setColorAt(0, QColor(0xf4, 0xf8, 0xfc));
    background.setColorAt(1, QColor(0xc9, 0xdc, 0xef));
    painter.fillRect(picture.rect(), background);
    painter.setPen(QPen(kDeepBlue, 2));
    painter.drawRect(QRectF(1, 1, kSplashSize - 2, kSplashSize - 2));

    drawMark(painter, QPointF(67, 22), 120);

    QFont title = painter.font();
    title.setPixelSize(19);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kDeepBlue);
    painter.drawText(QRectF(0, 152, kSplashSize, 26), Qt::AlignCenter,
                     QStringLiteral("Korvex Mini"));
    QFont subtitle = painter.font();
    subtitle.setPixelSize(14);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(QRectF(0, 178, kSplashSize, 22), Qt::AlignCenter,
                     QStringLiteral("Configurator"));
    painter.setPen(QColor(0x4a, 0x5a, 0x6a));
    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.drawText(QRectF(0, 214, kSplashSize, 20), Qt::AlignCenter, fromLatin1(kVersionText));
    return picture;
}

}  // namespace korvex::app
