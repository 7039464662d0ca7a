#include "navigator/ImageSize.h"

#include "platform/FileError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ImageBytes.h"
#include "support/QStringPrinter.h"

namespace {

using namespace imagebytes;

using Reader = std::optional<ImageSize> (*)(const QByteArray&);

struct SizeCase {
    const char* name;
    Reader reader;
    QByteArray data;
    std::optional<ImageSize> size;
};

std::vector<SizeCase> sizeCases()
{
    const QByteArray baseline = jpeg(jfif() + jpegSegment(0xDB, QByteArray(65, 1)) + jpegFrame(0xC0, 640, 480));
    const QByteArray goodGif = gif(gifDescriptor(300, 200));
    return {
        { "gif descriptor first", gifSize, goodGif, ImageSize { 300, 200 } },
        { "gif without colour table", gifSize, gif(gifDescriptor(17, 9), false), ImageSize { 17, 9 } },
        { "gif separator inside an extension", gifSize, gif(gifControlExtension() + gifDescriptor(33, 44)),
            ImageSize { 33, 44 } },
        { "gif comment then image", gifSize,
            gif(bytes({ 0x21, 0xFE, 3, 'a', ',', 'b', 2, ',', ',', 0 }) + gifDescriptor(5, 6)), ImageSize { 5, 6 } },
        { "gif trailer only", gifSize, gif(bytes({ 0x3B })), std::nullopt },
        { "gif cut in the descriptor", gifSize, goodGif.left(goodGif.size() - 6), std::nullopt },
        { "gif cut in the colour table", gifSize, gif({}).left(15), std::nullopt },
        { "gif cut in an extension", gifSize, gif(bytes({ 0x21, 0xFE, 200, 'a' })), std::nullopt },
        { "gif header only", gifSize, goodGif.left(13), std::nullopt },
        { "not a gif", gifSize, "PNG" + goodGif.mid(3), std::nullopt },
        { "jpeg baseline", jpegSize, baseline, ImageSize { 640, 480 } },
        { "jpeg progressive", jpegSize, jpeg(jfif() + jpegFrame(0xC2, 800, 600)), ImageSize { 800, 600 } },
        { "jpeg extended", jpegSize, jpeg(jfif() + jpegFrame(0xC1, 3, 4)), ImageSize { 3, 4 } },
        { "jpeg lossless", jpegSize, jpeg(jpegFrame(0xC3, 5, 6)), ImageSize { 5, 6 } },
        { "jpeg arithmetic progressive", jpegSize, jpeg(jpegFrame(0xCA, 7, 8)), ImageSize { 7, 8 } },
        { "jpeg huffman table is not a frame", jpegSize,
            jpeg(jpegSegment(0xC4, bytes({ 1, 2 })) + jpegFrame(0xC0, 9, 10)), ImageSize { 9, 10 } },
        { "jpeg fill bytes and restart marker", jpegSize,
            jpeg(bytes({ 0xFF, 0xFF, 0xD0 }) + jfif() + jpegFrame(0xC0, 11, 12)), ImageSize { 11, 12 } },
        { "jpeg cut in the frame", jpegSize, baseline.left(baseline.size() - 3), std::nullopt },
        { "jpeg cut in a segment", jpegSize, baseline.left(10), std::nullopt },
        { "jpeg segment length below two", jpegSize, jpeg(bytes({ 0xFF, 0xE0, 0, 0 }) + jpegFrame(0xC0, 1, 1)),
            std::nullopt },
        { "jpeg no frame before the end", jpegSize, jpeg(jfif() + bytes({ 0xFF, 0xD9 })), std::nullopt },
        { "jpeg garbage after a segment", jpegSize, jpeg(jfif() + bytes({ 0x00 }) + jpegFrame(0xC0, 1, 1)),
            std::nullopt },
        { "jpeg fill bytes to the end", jpegSize, jpeg(QByteArray(50, char(0xFF))), std::nullopt },
        { "jpeg start only", jpegSize, jpeg({}), std::nullopt },
        { "not a jpeg", jpegSize, bytes({ 0xFF, 0xD9 }) + baseline.mid(2), std::nullopt },
        { "png", pngSize, png(1024, 70000), ImageSize { 1024, 70000 } },
        { "png cut in the header", pngSize, png(1, 1).left(22), std::nullopt },
        { "png without its header chunk", pngSize, png(1, 1).replace("IHDR", "IDAT"), std::nullopt },
    };
}

TEST(ImageSize, ReadersOverHandmadeImages)
{
    for (const SizeCase& c : sizeCases())
        EXPECT_EQ(c.reader(c.data), c.size) << c.name;
}

TEST(ImageSize, EveryTruncationGivesNoSizeOrTheRightOne)
{
    const std::pair<Reader, QByteArray> samples[] = { { gifSize, gif(gifControlExtension() + gifDescriptor(33, 44)) },
        { jpegSize, jpeg(jfif() + jpegFrame(0xC2, 800, 600)) }, { pngSize, png(2, 3) } };
    for (const auto& [reader, sample] : samples) {
        const auto full = reader(sample);
        ASSERT_TRUE(full.has_value());
        for (qsizetype length = 0; length < sample.size(); ++length) {
            const auto size = reader(sample.left(length));
            EXPECT_TRUE(!size || size == full) << length;
        }
    }
}

TEST(ImageSize, ReadsFilesByExtension)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& data) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return file.fileName();
    };
    EXPECT_EQ(readImageSize(write("a.GIF", gif(gifDescriptor(3, 4)))), (ImageSize { 3, 4 }));
    EXPECT_EQ(readImageSize(write("b.jpeg", jpeg(jpegFrame(0xC0, 5, 6)))), (ImageSize { 5, 6 }));
    EXPECT_EQ(readImageSize(write("c.Jpg", jpeg(jpegFrame(0xC2, 7, 8)))), (ImageSize { 7, 8 }));
    EXPECT_EQ(readImageSize(write("d.png", png(9, 10))), (ImageSize { 9, 10 }));
    EXPECT_EQ(readImageSize(write("e.gif", jpeg(jpegFrame(0xC0, 5, 6)))), std::nullopt);
    EXPECT_EQ(readImageSize(write("f.htm", gif(gifDescriptor(3, 4)))), std::nullopt);
    EXPECT_THROW(readImageSize(dir.filePath("missing.gif")), FileError);
    EXPECT_TRUE(isImageFileName("x.JPEG"));
    EXPECT_FALSE(isImageFileName("x.jpe"));
}

} // namespace
