#include "app/PictureIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>
#include <numbers>

namespace vaduvizu {

namespace {

constexpr int IconSize = 32;

QIcon drawIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon informationIcon() {
    return drawIcon([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1f, 0x6f, 0xc5));
        painter.drawEllipse(QRectF(2, 2, 28, 28));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(14, 7, 4.5, 4.5));
        painter.drawRoundedRect(QRectF(14, 13.5, 4.5, 12), 1.5, 1.5);
    });
}

QIcon optionsIcon() {
    return drawIcon([](QPainter& painter) {
        const QPointF centre(16, 16);
        QPainterPath gear;
        constexpr int Teeth = 8;
        for (int tooth = 0; tooth < Teeth * 2; ++tooth) {
            // Alternate outer and inner radius, two corners per step.
            const double radius = tooth % 2 == 0 ? 14.5 : 11.0;
            for (const double offset : {-0.18, 0.18}) {
                const double angle = (tooth + offset) * std::numbers::pi / Teeth;
                const QPointF point =
                    centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
                if (gear.elementCount() == 0)
                    gear.moveTo(point);
                else
                    gear.lineTo(point);
            }
        }
        gear.closeSubpath();
        gear.addEllipse(centre, 4.5, 4.5); // the hole: odd-even fill leaves it empty
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x60, 0x60, 0x60));
        painter.drawPath(gear);
    });
}

QIcon closeIcon() {
    return drawIcon([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xc8, 0x2a, 0x2a));
        painter.drawEllipse(QRectF(2, 2, 28, 28));
        QPen cross(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(cross);
        painter.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        painter.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    });
}

} // namespace vaduvizu
