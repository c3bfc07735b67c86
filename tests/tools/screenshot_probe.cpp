// Finds where a colour lies in a screenshot, so that a test in a real window can locate
// widgets by their colours and tell whether text was painted on them.
//
// Usage: screenshot_probe IMAGE R,G,B [X,Y,W,H]
// Prints "found X Y W H COUNT OTHER": the bounding box of the pixels of exactly that
// colour inside the region (the whole image by default), how many there are, and how many
// pixels of other colours lie inside the box (text drawn on a coloured face). Prints
// "none" and exits 1 when the colour does not occur.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

bool parseInts(const char* text, int expected, int* out)
{
    const QStringList parts = QString::fromUtf8(text).split(',');
    if (parts.size() != expected)
        return false;
    for (int i = 0; i < expected; ++i) {
        bool ok = false;
        out[i] = parts[i].toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int rgb[3];
    int region[4];
    if (argc < 3 || !parseInts(argv[2], 3, rgb) || (argc > 3 && !parseInts(argv[3], 4, region))) {
        std::fprintf(stderr, "usage: screenshot_probe IMAGE R,G,B [X,Y,W,H]\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "screenshot_probe: cannot read %s\n", argv[1]);
        return 2;
    }
    const QRect area = argc > 3 ? QRect(region[0], region[1], region[2], region[3]).intersected(image.rect())
                                : image.rect();
    const QRgb wanted = qRgb(rgb[0], rgb[1], rgb[2]);
    QRect box;
    long count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF)) {
                box |= QRect(x, y, 1, 1);
                ++count;
            }
        }
    }
    if (count == 0) {
        std::printf("none\n");
        return 1;
    }
    long other = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (wanted & 0xFFFFFF))
                ++other;
    std::printf("found %d %d %d %d %ld %ld\n", box.x(), box.y(), box.width(), box.height(), count, other);
    return 0;
}
