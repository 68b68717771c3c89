// The program's icon file and the icon the windows use.

#include "about_window/app_icon.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtTest>

#include <algorithm>

namespace {

const QString icoPath = QStringLiteral(TRELLAN_ICO_FILE);

struct IconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitCount = 0;
    quint32 bytes = 0;
    quint32 offset = 0;
};

struct BitmapHeader {
    quint32 size = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = 0;
};

QByteArray icoBytes()
{
    QFile file(icoPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<IconEntry> directory(const QByteArray& bytes, int* type)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0;
    quint16 iconType = 0;
    quint16 count = 0;
    in >> reserved >> iconType >> count;
    *type = reserved == 0 ? iconType : -1;
    QList<IconEntry> entries;
    for (int i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint8 width = 0;
        quint8 height = 0;
        quint8 colours = 0;
        quint8 unused = 0;
        quint16 planes = 0;
        quint16 bits = 0;
        IconEntry entry;
        in >> width >> height >> colours >> unused >> planes >> bits >> entry.bytes >> entry.offset;
        entry.width = width == 0 ? 256 : width;
        entry.height = height == 0 ? 256 : height;
        entry.colourCount = colours;
        entry.planes = planes;
        entry.bitCount = bits;
        entries << entry;
    }
    return entries;
}

BitmapHeader bitmapHeader(const QByteArray& bytes, quint32 offset)
{
    QDataStream in(bytes.mid(offset, 40));
    in.setByteOrder(QDataStream::LittleEndian);
    BitmapHeader header;
    in >> header.size >> header.width >> header.height >> header.planes >> header.bitCount
        >> header.compression;
    return header;
}

QList<QImage> decodedImages()
{
    QImageReader reader(icoPath, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        images << reader.read().convertToFormat(QImage::Format_ARGB32);
    }
    return images;
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void entries_data();
    void entries();
    void decodesToTwelveImages_data();
    void decodesToTwelveImages();
    void picture_data();
    void picture();
    void windowIcon();
    void windowIconShowsTheIcoPictures();

private:
    QByteArray ico_;
    QList<IconEntry> entries_;
    QList<QImage> images_;
};

void IconTest::initTestCase()
{
    ico_ = icoBytes();
    QVERIFY2(!ico_.isEmpty(), qPrintable(icoPath));
    int type = 0;
    entries_ = directory(ico_, &type);
    QCOMPARE(type, 1);
    QCOMPARE(entries_.size(), 12);
    images_ = decodedImages();
}

void IconTest::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bits");
    int index = 0;
    for (const int size : { 16, 24, 32, 48 })
        QTest::addRow("%d px, 256 colours", size) << index++ << size << 8;
    for (const int size : { 16, 24, 32, 48, 64, 72, 96, 128 })
        QTest::addRow("%d px, 32-bit", size) << index++ << size << 32;
}

// Each directory entry and the bitmap it points at agree on size and depth,
// and the bitmap's colour and mask rows fill exactly the bytes it claims.
void IconTest::entries()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(int, bits);
    const IconEntry entry = entries_.at(index);
    QCOMPARE(entry.width, size);
    QCOMPARE(entry.height, size);
    QCOMPARE(entry.bitCount, bits);
    QCOMPARE(entry.planes, 1);
    QCOMPARE(entry.colourCount, 0);
    QVERIFY(qint64(entry.offset) + entry.bytes <= ico_.size());

    const BitmapHeader header = bitmapHeader(ico_, entry.offset);
    QCOMPARE(header.size, quint32(40));
    QCOMPARE(header.width, size);
    QCOMPARE(header.height, 2 * size);
    QCOMPARE(header.planes, quint16(1));
    QCOMPARE(int(header.bitCount), bits);
    QCOMPARE(header.compression, quint32(0));
    const int paletteBytes = bits == 8 ? 256 * 4 : 0;
    const int colourRow = (size * bits + 31) / 32 * 4;
    const int maskRow = (size + 31) / 32 * 4;
    QCOMPARE(entry.bytes, quint32(40 + paletteBytes + (colourRow + maskRow) * size));
}

void IconTest::decodesToTwelveImages_data()
{
    entries_data();
}

void IconTest::decodesToTwelveImages()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(int, bits);
    QCOMPARE(images_.size(), 12);
    const QImage& image = images_.at(index);
    QCOMPARE(image.size(), QSize(size, size));
    // Transparent round the tilted board in both kinds of image.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    if (bits == 8) {
        // Hard edges: every pixel is either fully transparent or opaque.
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                QVERIFY(alpha == 0 || alpha == 255);
            }
        }
    }
}

void IconTest::picture_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPointF>("where");
    QTest::addColumn<QString>("what");
    // Spots in the unit square; images of 32 pixels and up have room for all.
    const struct {
        const char* name;
        QPointF where;
        const char* what;
    } spots[] = {
        { "top corner triangle", { 0.5, 0.11 }, "yellow" },
        { "right corner triangle", { 0.89, 0.5 }, "yellow" },
        { "left corner triangle", { 0.11, 0.5 }, "yellow" },
        { "bottom corner triangle", { 0.5, 0.89 }, "yellow" },
        { "board below the sheet", { 0.5, 0.78 }, "blue" },
        { "board left of the sheet", { 0.2, 0.5 }, "blue" },
        { "sheet", { 0.367, 0.405 }, "paper" },
        { "pencil body", { 0.712, 0.732 }, "yellow" },
        { "outside the board", { 0.06, 0.06 }, "transparent" },
    };
    for (const int index : { 2, 3, 6, 7, 8, 9, 10, 11 }) {
        for (const auto& spot : spots)
            QTest::addRow("image %d: %s", index, spot.name)
                << index << spot.where << QString::fromLatin1(spot.what);
    }
    for (const int index : { 10, 11 }) {
        QTest::addRow("image %d: pencil point", index)
            << index << QPointF(0.514, 0.534) << QStringLiteral("graphite");
        QTest::addRow("image %d: sheet just beyond the point", index)
            << index << QPointF(0.48, 0.50) << QStringLiteral("paper");
    }
}

void IconTest::picture()
{
    QFETCH(int, index);
    QFETCH(QPointF, where);
    QFETCH(QString, what);
    QVERIFY(index < images_.size());
    const QImage& image = images_.at(index);
    const QPoint pixel(int(where.x() * image.width()), int(where.y() * image.height()));
    const QColor colour = image.pixelColor(pixel);
    const QString seen = QStringLiteral("rgba(%1, %2, %3, %4)")
                             .arg(colour.red())
                             .arg(colour.green())
                             .arg(colour.blue())
                             .arg(colour.alpha());
    bool matches = false;
    if (what == QLatin1String("transparent"))
        matches = colour.alpha() == 0;
    else if (colour.alpha() < 200)
        matches = false;
    else if (what == QLatin1String("yellow"))
        matches = colour.red() > 200 && colour.green() > 140 && colour.blue() < 80;
    else if (what == QLatin1String("blue"))
        matches = colour.blue() > 150 && colour.red() < 100 && colour.green() < 130;
    else if (what == QLatin1String("paper"))
        matches = qMin(colour.red(), qMin(colour.green(), colour.blue())) > 140;
    else if (what == QLatin1String("graphite"))
        matches = qMax(colour.red(), qMax(colour.green(), colour.blue())) < 100;
    QVERIFY2(matches, qPrintable(what + QStringLiteral(" expected, ") + seen));
}

void IconTest::windowIcon()
{
    const QIcon icon = trellanIcon();
    QVERIFY(!icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
        [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    const QList<QSize> expected { { 16, 16 }, { 24, 24 }, { 32, 32 }, { 48, 48 }, { 64, 64 },
        { 72, 72 }, { 96, 96 }, { 128, 128 } };
    QCOMPARE(sizes, expected);
    const QImage picture = icon.pixmap(QSize(48, 48)).toImage();
    QCOMPARE(picture.size(), QSize(48, 48));
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
}

// The pictures the program embeds are those of the icon file, pixel for
// pixel: the file's 32-bit images, read by the toolkit's own decoder.
void IconTest::windowIconShowsTheIcoPictures()
{
    const QIcon icon = trellanIcon();
    QCOMPARE(images_.size(), 12);
    for (const QImage& ico : images_.mid(4)) {
        const QImage shown = icon.pixmap(ico.size()).toImage();
        QCOMPARE(shown.size(), ico.size());
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
            ico.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

int runIconTests(int argc, char** argv)
{
    IconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "icon_test.moc"
