// Every embedded picture must load, be of the right kind and size, and every icon must hold
// exactly the images (size and colour depth) the program and the desktop pick from.
#include "resources/pictures.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QTest>
#include <QtEndian>

namespace {

struct IconImage {
    int width = 0;
    int height = 0;
    int bits = 0;
};

QByteArray readResource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Byte by byte: GCC's bounds check takes an empty QByteArray's data for a one-byte array.
quint32 littleEndian(const QByteArray &data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(data.at(at + i));
    return value;
}

quint16 word(const QByteArray &data, qsizetype at)
{
    return static_cast<quint16>(littleEndian(data, at, 2));
}

quint32 dword(const QByteArray &data, qsizetype at)
{
    return littleEndian(data, at, 4);
}

// The directory of an .ico file; the bit count comes from the entry, or from the image's own
// BITMAPINFOHEADER where the entry leaves it 0. Returns false with a reason on a broken file.
bool readIconDirectory(const QByteArray &data, QList<IconImage> *images, QString *why)
{
    if (data.size() < 6 || word(data, 0) != 0 || word(data, 2) != 1) {
        *why = QStringLiteral("no icon header");
        return false;
    }
    const int count = word(data, 4);
    if (data.size() < 6 + 16 * count) {
        *why = QStringLiteral("directory cut short");
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        IconImage image;
        image.width = quint8(data[entry]) == 0 ? 256 : quint8(data[entry]);
        image.height = quint8(data[entry + 1]) == 0 ? 256 : quint8(data[entry + 1]);
        image.bits = word(data, entry + 6);
        const quint32 size = dword(data, entry + 8);
        const quint32 offset = dword(data, entry + 12);
        if (offset < 6 + 16u * count || qsizetype(offset) + size > data.size() || size < 40) {
            *why = QStringLiteral("image %1 lies outside the file").arg(i);
            return false;
        }
        if (dword(data, offset) != 40) {
            *why = QStringLiteral("image %1 is not a classic bitmap").arg(i);
            return false;
        }
        const int headerBits = word(data, offset + 14);
        if (image.bits == 0)
            image.bits = headerBits;
        else if (image.bits != headerBits) {
            *why = QStringLiteral("image %1: directory says %2 bits, bitmap %3").arg(i).arg(image.bits).arg(headerBits);
            return false;
        }
        images->append(image);
    }
    return true;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
    void iconImages_data();
    void iconImages();
    void portraitIsTrueColour();
};

void TestPictures::loads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    const struct {
        const char *name;
        const char *path;
        const char *format;
        QSize size;
    } rows[] = {
        {"program icon", pictures::programIcon, "ico", {32, 32}},
        {"ring meisje", pictures::ringMeisje, "gif", {200, 431}},
        {"ring wit", pictures::ringWit, "gif", {212, 275}},
        {"ring chinees", pictures::ringChinees, "gif", {150, 388}},
        {"ring kleur", pictures::ringKleur, "gif", {250, 277}},
        {"ring kleur2", pictures::ringKleur2, "gif", {100, 319}},
        {"ring kleur3", pictures::ringKleur3, "gif", {227, 400}},
        {"small logo", pictures::smallLogo, "gif", {32, 28}},
        {"stop icon", pictures::stopIcon, "ico", {32, 32}},
        {"start icon", pictures::startIcon, "ico", {32, 32}},
        {"help icon", pictures::helpIcon, "ico", {32, 32}},
        {"check icon", pictures::checkIcon, "ico", {32, 32}},
        {"intro button", pictures::introButton, "jpeg", {150, 180}},
        {"intro side", pictures::introSide, "gif", {109, 114}},
        {"portrait", pictures::portrait, "bmp", {32, 32}},
        {"sun", pictures::sun, "gif", {168, 174}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.path) << QByteArray(row.format) << row.size;
}

void TestPictures::loads()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true); // the bytes must be what the name promises
    QVERIFY2(reader.canRead(), qPrintable(path + QLatin1String(": ") + reader.errorString()));
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestPictures::iconImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<QList<int>>("bits");

    QTest::newRow("program icon") << QString::fromLatin1(pictures::programIcon) << QList<QSize>{{32, 32}}
                                  << QList<int>{8};
    QTest::newRow("stop icon") << QString::fromLatin1(pictures::stopIcon) << QList<QSize>{{32, 32}, {16, 16}}
                               << QList<int>{4, 4};
    QTest::newRow("start icon") << QString::fromLatin1(pictures::startIcon) << QList<QSize>{{32, 32}, {16, 16}}
                                << QList<int>{4, 4};
    QTest::newRow("help icon") << QString::fromLatin1(pictures::helpIcon) << QList<QSize>{{32, 32}, {32, 32}, {32, 32}}
                               << QList<int>{4, 1, 4};
    QTest::newRow("check icon") << QString::fromLatin1(pictures::checkIcon) << QList<QSize>{{32, 32}} << QList<int>{8};
}

void TestPictures::iconImages()
{
    QFETCH(QString, path);
    QFETCH(QList<QSize>, sizes);
    QFETCH(QList<int>, bits);

    const QByteArray data = readResource(qPrintable(path));
    QVERIFY2(!data.isEmpty(), qPrintable(path));
    QList<IconImage> images;
    QString why;
    QVERIFY2(readIconDirectory(data, &images, &why), qPrintable(why));
    QCOMPARE(images.size(), sizes.size());
    for (int i = 0; i < images.size(); ++i) {
        QCOMPARE(QSize(images[i].width, images[i].height), sizes[i]);
        QCOMPARE(images[i].bits, bits[i]);
    }

    // Qt must decode every one of them, with the corner left see-through by the mask.
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), sizes[i]);
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void TestPictures::portraitIsTrueColour()
{
    const QByteArray data = readResource(pictures::portrait);
    QVERIFY(data.size() >= 54);
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(dword(data, 14), 40u); // BITMAPINFOHEADER
    QCOMPARE(word(data, 28), quint16(24));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
