#include <QCoreApplication>
#include <QImage>

#include <cstdio>

// Converts the program's window icon (an .ico) into the PNG that desktop menus and software
// centres show, so both always come from the same drawing: icontopng IN.ico OUT.png
int main(int argc, char *argv[])
{
    // The application object makes the image-format plugins (the .ico reader) findable.
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: icontopng IN.ico OUT.png\n", stderr);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "icontopng: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icontopng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
