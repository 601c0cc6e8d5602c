// Draws the flag pictures of the shipped language files (48 x 48 BMP files). The flag
// sits on a plain magenta margin: the options dialog draws the pictures transparent, taking
// the colour of the bottom-left pixel as the transparent one.
//
// Build and run with scripts/make-flags.sh; the pictures are committed, so the build does
// not need this tool.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int Size = 48;
const QRect Flag(2, 9, 44, 30);
const QColor Transparent(255, 0, 255);

using Draw = void (*)(QPainter&);

void tricolourVertical(QPainter& p, QColor a, QColor b, QColor c) {
    const int w = Flag.width() / 3;
    p.fillRect(Flag.x(), Flag.y(), w, Flag.height(), a);
    p.fillRect(Flag.x() + w, Flag.y(), Flag.width() - 2 * w, Flag.height(), b);
    p.fillRect(Flag.right() - w + 1, Flag.y(), w, Flag.height(), c);
}

void tricolourHorizontal(QPainter& p, QColor a, QColor b, QColor c) {
    const int h = Flag.height() / 3;
    p.fillRect(Flag.x(), Flag.y(), Flag.width(), h, a);
    p.fillRect(Flag.x(), Flag.y() + h, Flag.width(), h, b);
    p.fillRect(Flag.x(), Flag.y() + 2 * h, Flag.width(), Flag.height() - 2 * h, c);
}

void english(QPainter& p) {
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(Flag, blue);
    p.save();
    p.setClipRect(Flag);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(Flag.topLeft(), Flag.bottomRight() + QPoint(1, 1));
    p.drawLine(Flag.bottomLeft() + QPoint(0, 1), Flag.topRight() + QPoint(1, 0));
    p.setPen(QPen(red, 2));
    p.drawLine(Flag.topLeft(), Flag.bottomRight() + QPoint(1, 1));
    p.drawLine(Flag.bottomLeft() + QPoint(0, 1), Flag.topRight() + QPoint(1, 0));
    p.restore();
    const QPoint centre = Flag.center();
    p.fillRect(Flag.x(), centre.y() - 4, Flag.width(), 9, Qt::white);
    p.fillRect(centre.x() - 4, Flag.y(), 9, Flag.height(), Qt::white);
    p.fillRect(Flag.x(), centre.y() - 2, Flag.width(), 5, red);
    p.fillRect(centre.x() - 2, Flag.y(), 5, Flag.height(), red);
}

void italiano(QPainter& p) {
    tricolourVertical(p, QColor(0, 140, 69), QColor(244, 245, 240), QColor(205, 33, 42));
}

void deutsch(QPainter& p) {
    tricolourHorizontal(p, QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0));
}

// A plain globe for languages that bring no flag of their own.
void defaultFlag(QPainter& p) {
    p.fillRect(Flag, QColor(200, 210, 220));
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(Flag.center().x() - 12, Flag.center().y() - 12, 24, 24);
    p.setBrush(QColor(70, 130, 180));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe.adjusted(7, 0, -7, 0));
    p.drawLine(QPointF(globe.center().x(), globe.top()),
               QPointF(globe.center().x(), globe.bottom()));
    p.drawLine(QPointF(globe.left(), globe.center().y()),
               QPointF(globe.right(), globe.center().y()));
}

bool write(const QString& path, Draw draw) {
    QImage image(Size, Size, QImage::Format_RGB888);
    image.fill(Transparent);
    QPainter painter(&image);
    draw(painter);
    if (draw != defaultFlag) {
        painter.setPen(QColor(90, 90, 90));
        painter.drawRect(Flag.adjusted(0, 0, -1, -1));
    }
    painter.end();
    return image.save(path, "BMP");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const struct {
        const char* name;
        Draw draw;
    } flags[] = {{"English", english},
                 {"Italiano", italiano},
                 {"Deutsch", deutsch},
                 {"DefaultFlag", defaultFlag}};
    for (const auto& flag : flags) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(flag.name) + ".bmp";
        if (!write(path, flag.draw)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
