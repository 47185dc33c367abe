// Draws every picture of the tool with QPainter and writes them as PNG files under the folder given
// on the command line: bitmaps/<id>.png and icons/127_<size>.png.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

const QColor kBackdrop(0, 0, 0);
const QColor kLight(235, 238, 242);
const QColor kDim(150, 156, 166);
const QColor kAccent(46, 140, 255);
const QColor kAccentLight(120, 185, 255);
const QColor kInnerDark(24, 26, 30);

constexpr auto kProductName = "Orvane";
constexpr auto kTagline = "Transponder configuration tool";

QImage BlankImage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(format == QImage::Format_ARGB32 ? QColor(Qt::transparent) : kBackdrop);
    return image;
}

void Antialias(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage Box(bool ticked)
{
    QImage image = BlankImage(13, 13);
    QPainter painter(&image);
    Antialias(painter);
    const QRectF frame(0.5, 0.5, 12, 12);
    painter.setPen(QPen(ticked ? kAccentLight : kLight, 1.0));
    painter.setBrush(ticked ? kAccent : kInnerDark);
    painter.drawRoundedRect(frame, 2, 2);
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(3.0, 6.6);
        tick.lineTo(5.4, 9.0);
        tick.lineTo(10.0, 3.8);
        painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    return image;
}

QImage Circle(bool selected)
{
    QImage image = BlankImage(13, 13);
    QPainter painter(&image);
    Antialias(painter);
    painter.setPen(QPen(selected ? kAccentLight : kLight, 1.0));
    painter.setBrush(kInnerDark);
    painter.drawEllipse(QRectF(0.5, 0.5, 12, 12));
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(6.5, 6.5), 3.2, 3.2);
    }
    return image;
}

// The mark: a tag with a chip, and radio waves leaving it to the upper right, inside `area`.
void DrawMark(QPainter& painter, const QRectF& area, bool onTile)
{
    const qreal s = area.width();
    const QPointF o = area.topLeft();
    if (onTile) {
        QLinearGradient tile(o, o + QPointF(0, s));
        tile.setColorAt(0, QColor(30, 60, 110));
        tile.setColorAt(1, QColor(12, 22, 44));
        painter.setPen(Qt::NoPen);
        painter.setBrush(tile);
        painter.drawRoundedRect(area, s * 0.2, s * 0.2);
    }
    const qreal stroke = qMax(1.2, s * 0.075);
    const QRectF tag(o.x() + s * 0.16, o.y() + s * 0.44, s * 0.40, s * 0.40);
    painter.setPen(QPen(kLight, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tag, s * 0.08, s * 0.08);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    const qreal chip = s * 0.14;
    painter.drawRect(QRectF(tag.center() - QPointF(chip / 2, chip / 2), QSizeF(chip, chip)));

    const QPointF waveCentre(tag.right() - s * 0.02, tag.top() + s * 0.02);
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i) {
        const qreal r = s * (0.12 + 0.13 * i);
        painter.setPen(QPen(i == 1 ? kAccentLight : kAccent, stroke, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(waveCentre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 5 * 16, 80 * 16);
    }
}

QFont NameFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

QImage Logo()
{
    QImage image = BlankImage(228, 49);
    QPainter painter(&image);
    Antialias(painter);
    DrawMark(painter, QRectF(2, 1, 47, 47), false);
    painter.setPen(kLight);
    painter.setFont(NameFont(31));
    painter.drawText(QRectF(56, 0, 170, 49), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(kProductName));
    return image;
}

QImage AboutPicture()
{
    QImage image = BlankImage(460, 460);
    QPainter painter(&image);
    Antialias(painter);
    QRadialGradient glow(QPointF(230, 170), 260);
    glow.setColorAt(0, QColor(22, 40, 72));
    glow.setColorAt(1, kBackdrop);
    painter.fillRect(image.rect(), glow);

    DrawMark(painter, QRectF(150, 60, 160, 160), true);

    painter.setPen(kLight);
    painter.setFont(NameFont(56));
    painter.drawText(QRectF(0, 240, 460, 72), Qt::AlignCenter, QString::fromLatin1(kProductName));

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(19);
    painter.setFont(line);
    painter.setPen(kDim);
    painter.drawText(QRectF(0, 314, 460, 30), Qt::AlignCenter, QString::fromLatin1(kTagline));

    painter.setPen(QPen(kAccent, 2));
    painter.drawLine(QPointF(170, 362), QPointF(290, 362));

    line.setPixelSize(16);
    painter.setFont(line);
    painter.setPen(kLight);
    painter.drawText(QRectF(0, 374, 460, 28), Qt::AlignCenter,
                     QStringLiteral("Version %1").arg(QString::fromLatin1(ORVANE_VERSION_TEXT)));
    return image;
}

QImage Icon(int size)
{
    QImage image = BlankImage(size, size, QImage::Format_ARGB32);
    QPainter painter(&image);
    Antialias(painter);
    DrawMark(painter, QRectF(0, 0, size, size), true);
    return image;
}

QImage Backdrop()
{
    return BlankImage(1, 1);
}

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("bitmaps")) || !folder.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create folders under %s\n", argv[1]);
        return 1;
    }
    const auto bitmap = [&](int id) {
        return folder.filePath(QStringLiteral("bitmaps/%1.png").arg(id));
    };
    bool ok = Save(AboutPicture(), bitmap(132)) && Save(Backdrop(), bitmap(139)) &&
              Save(Box(true), bitmap(147)) && Save(Box(false), bitmap(148)) &&
              Save(Logo(), bitmap(150)) && Save(Circle(true), bitmap(151)) &&
              Save(Circle(false), bitmap(152));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = ok && Save(Icon(size), folder.filePath(QStringLiteral("icons/127_%1.png").arg(size)));
    return ok ? 0 : 1;
}
