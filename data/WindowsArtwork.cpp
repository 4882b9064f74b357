// quoran-windows-artwork FOLDER: writes the program's artwork as the Windows build's resources
// need it, drawn from the same SVG as every other picture of the program: quoran-wizard.ico (the
// icon IDI_WIZARD at the usual sizes, the small ones from its small drawing), bitmap-ID.bmp for
// every page picture (32-bit with its transparency, premultiplied, four times its SVG size so that
// it stays sharp when drawn smaller) and artwork.rc, the resource script that names them by their
// resource ids. The Windows build runs it.
#include "src/res/Resources.h"
#include "src/res/WizardRes.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
// Sizes above this go into the icon as PNG, as Windows has it for its large icons.
constexpr int kLargestBitmapIcon = 64;
constexpr int kPictureScale = 4;

void PutWord(QByteArray& out, uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void PutLong(QByteArray& out, uint32_t value)
{
    PutWord(out, static_cast<uint16_t>(value & 0xFFFF));
    PutWord(out, static_cast<uint16_t>(value >> 16));
}

QImage Render(QSvgRenderer& renderer, QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

// BITMAPINFOHEADER for a 32-bit image of `height` rows (twice the rows for an icon's image and
// its mask).
void PutInfoHeader(QByteArray& out, int width, int height, uint32_t imageBytes)
{
    PutLong(out, 40);
    PutLong(out, static_cast<uint32_t>(width));
    PutLong(out, static_cast<uint32_t>(height));
    PutWord(out, 1);  // planes
    PutWord(out, 32); // bits per pixel
    PutLong(out, 0);  // BI_RGB
    PutLong(out, imageBytes);
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 0);
}

// The rows bottom up, each pixel blue, green, red, alpha.
void PutPixels(QByteArray& out, const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y)
    {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
        {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
            out.append(static_cast<char>(qAlpha(row[x])));
        }
    }
}

// One image of an icon: a 32-bit DIB with its (empty) AND mask, or a PNG for a large one.
QByteArray IconImage(QSvgRenderer& renderer, int side)
{
    QByteArray data;
    if (side > kLargestBitmapIcon)
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        Render(renderer, QSize(side, side), QImage::Format_ARGB32).save(&buffer, "PNG");
        return data;
    }
    const int maskRowBytes = ((side + 31) / 32) * 4;
    PutInfoHeader(data, side, 2 * side,
                  static_cast<uint32_t>(side * side * 4 + maskRowBytes * side));
    PutPixels(data, Render(renderer, QSize(side, side), QImage::Format_ARGB32));
    data.append(QByteArray(maskRowBytes * side, '\0'));
    return data;
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Each size from the icon's drawing for that size.
bool WriteIcon(const QString& path, const ImageResource& icon)
{
    QByteArray header;
    QByteArray images;
    const int count = static_cast<int>(std::size(kIconSizes));
    PutWord(header, 0);
    PutWord(header, 1); // an icon
    PutWord(header, static_cast<uint16_t>(count));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(count);
    for (int side : kIconSizes)
    {
        QSvgRenderer renderer(QByteArray(AfxImageSvg(icon, side)));
        if (!renderer.isValid())
            return false;
        const QByteArray image = IconImage(renderer, side);
        header.append(static_cast<char>(side >= 256 ? 0 : side)); // 0 stands for 256
        header.append(static_cast<char>(side >= 256 ? 0 : side));
        header.append('\0'); // no palette
        header.append('\0');
        PutWord(header, 1);
        PutWord(header, 32);
        PutLong(header, static_cast<uint32_t>(image.size()));
        PutLong(header, offset);
        offset += static_cast<uint32_t>(image.size());
        images.append(image);
    }
    return WriteFile(path, header + images);
}

bool WriteBitmap(const QString& path, QSvgRenderer& renderer)
{
    const QSize size = renderer.defaultSize() * kPictureScale;
    const QImage image = Render(renderer, size, QImage::Format_ARGB32_Premultiplied);
    const auto pixelBytes = static_cast<uint32_t>(size.width() * size.height() * 4);
    QByteArray data;
    data.append("BM");
    PutLong(data, 14 + 40 + pixelBytes);
    PutLong(data, 0);
    PutLong(data, 14 + 40);
    PutInfoHeader(data, size.width(), size.height(), pixelBytes);
    PutPixels(data, image);
    return WriteFile(path, data);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: quoran-windows-artwork FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QByteArray script = "// Made by quoran-windows-artwork from the program's artwork.\n";
    for (const ImageResource& image : WizardImages())
    {
        QSvgRenderer renderer(QByteArray(image.svg));
        const bool icon = image.id == IDI_WIZARD;
        const QString name = icon ? QStringLiteral("quoran-wizard.ico")
                                  : QStringLiteral("bitmap-%1.bmp").arg(image.id);
        const bool written =
            renderer.isValid() && (icon ? WriteIcon(folder + "/" + name, image)
                                        : WriteBitmap(folder + "/" + name, renderer));
        if (!written)
        {
            std::fprintf(stderr, "quoran-windows-artwork: cannot write %s\n", qPrintable(name));
            return 1;
        }
        script += QByteArray::number(image.id) + (icon ? " ICON \"" : " BITMAP \"") +
                  name.toLatin1() + "\"\n";
    }
    if (!WriteFile(folder + "/artwork.rc", script))
    {
        std::fprintf(stderr, "quoran-windows-artwork: cannot write artwork.rc\n");
        return 1;
    }
    return 0;
}
