// Reads the real X screen for the end-to-end test: the bounding box of the pixels of one
// colour inside a region, "x y w h" in screen pixels, or "none".
// Usage: screen_probe R G B left top right bottom
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 8)
        return 2;
    const QRgb wanted = qRgb(atoi(argv[1]), atoi(argv[2]), atoi(argv[3]));
    const QRect region(QPoint(atoi(argv[4]), atoi(argv[5])), QPoint(atoi(argv[6]), atoi(argv[7])));
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QRect found;
    for (int y = region.top(); y <= region.bottom() && y < shot.height(); ++y)
        for (int x = region.left(); x <= region.right() && x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF))
                found |= QRect(x, y, 1, 1);
    if (found.isNull())
        std::printf("none\n");
    else
        std::printf("%d %d %d %d\n", found.x(), found.y(), found.width(), found.height());
    return 0;
}
