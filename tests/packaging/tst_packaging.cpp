#include "resources/pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <cmath>

namespace {

// The mean difference per channel (0 to 255) of two images of one size, colours weighted by
// their opacity, so that what lies under a transparent pixel does not count.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

QImage windowIcon()
{
    return QImage(QString::fromLatin1(pictures::programIcon)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// What a desktop takes from the installed files: the menu icons, the screenshots a software
// centre shows, and two files that strict validators read (a software centre drops an entry
// whose metainfo has errors).
class TestPackaging : public QObject {
    Q_OBJECT

private slots:
    void menuIconIsTheWindowIcon();
    void menuIconsAtEverySize_data();
    void menuIconsAtEverySize();
    void screenshotsAreTheCommittedFiles();
    void desktopFilesValidateClean_data();
    void desktopFilesValidateClean();
};

void TestPackaging::menuIconIsTheWindowIcon()
{
    const QImage menuIcon = QImage(QStringLiteral(REKENRUPS_MENU_ICON)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!menuIcon.isNull(), REKENRUPS_MENU_ICON);
    QCOMPARE(menuIcon.size(), QSize(32, 32));
    QVERIFY(menuIcon.hasAlphaChannel());
    QCOMPARE(menuIcon, windowIcon());
}

void TestPackaging::menuIconsAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

// Each size is the window icon's picture: brought to one size with it, the two differ only by
// the window icon's hard edges and fewer colours (3 to 6 units), where another picture differs
// by 40 and more.
void TestPackaging::menuIconsAtEverySize()
{
    QFETCH(int, size);
    const QString path = QStringLiteral(REKENRUPS_PACKAGING_DIR "/icons/rekenrups-%1.png").arg(size);
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    const QImage window = windowIcon();
    const double difference =
        size > 32 ? meanDifference(icon.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), window)
                  : meanDifference(icon, window.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY2(difference < 10, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
}

// Every screenshot the metainfo names is on the project's web site under the name of a file
// in packaging/screenshots, with the size the metainfo gives.
void TestPackaging::screenshotsAreTheCommittedFiles()
{
    QFile metainfo(QStringLiteral(REKENRUPS_PACKAGING_DIR "/rekenrups.metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    int images = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("image"))
            continue;
        const QSize declared(xml.attributes().value(QLatin1String("width")).toInt(),
                             xml.attributes().value(QLatin1String("height")).toInt());
        const QUrl url(xml.readElementText());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), QStringLiteral("www.tobbelwerk.example"));
        const QString file = QStringLiteral(REKENRUPS_PACKAGING_DIR "/screenshots/") + QFileInfo(url.path()).fileName();
        const QImage shot(file);
        QVERIFY2(!shot.isNull(), qPrintable(file));
        QCOMPARE(shot.size(), declared);
        ++images;
    }
    QVERIFY(!xml.hasError());
    QCOMPARE(images, 2);
}

void TestPackaging::desktopFilesValidateClean_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    const QString dir = QStringLiteral(REKENRUPS_PACKAGING_DIR);
    QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate")
                                   << QStringList{dir + QStringLiteral("/rekenrups.desktop")};
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             dir + QStringLiteral("/rekenrups.metainfo.xml")};
}

void TestPackaging::desktopFilesValidateClean()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    // In CI a missing validator fails: a skipped check would pass for a passed one.
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        if (qEnvironmentVariable("CI") == QLatin1String("true"))
            QFAIL(qPrintable(tool + QStringLiteral(" is not installed (scripts/setup.sh installs it)")));
        QSKIP("validator not installed (scripts/setup.sh installs it)");
    }
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(tool, arguments);
    QVERIFY(validator.waitForFinished(30000));
    const QString output = QString::fromUtf8(validator.readAll());
    QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0, qPrintable(output));
    // Notes pass; errors and warnings do not.
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        QVERIFY2(!line.startsWith(QLatin1String("E:")) && !line.startsWith(QLatin1String("W:")) &&
                     !line.contains(QLatin1String("error:")) && !line.contains(QLatin1String("warning:")),
                 qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
