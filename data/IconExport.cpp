// quoran-icon-export FOLDER: writes the program's icon (IDI_WIZARD, the picture the window
// shows) into FOLDER in the layout of the hicolor icon theme: scalable/apps/quoran-wizard.svg and
// NxN/apps/quoran-wizard.png for the usual sizes, the small ones from the icon's drawing for
// small sizes. The build runs it, so that the installed icon is always the artwork of the
// program itself.
#include "src/res/Resources.h"
#include "src/res/WizardRes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const ImageResource* Icon()
{
    for (const ImageResource& image : WizardImages())
    {
        if (image.id == IDI_WIZARD)
            return &image;
    }
    return nullptr;
}

bool WriteSvg(const QString& folder, const char* svg)
{
    QFile file(folder + "/scalable/apps/quoran-wizard.svg");
    if (!QDir().mkpath(folder + "/scalable/apps") || !file.open(QIODevice::WriteOnly))
        return false;
    const qint64 length = static_cast<qint64>(std::strlen(svg));
    return file.write(svg, length) == length && file.write("\n", 1) == 1;
}

// The size from the icon's drawing for that size.
bool WritePng(const QString& folder, const ImageResource& icon, int size)
{
    QSvgRenderer renderer(QByteArray(AfxImageSvg(icon, size)));
    if (!renderer.isValid())
        return false;
    const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return QDir().mkpath(sizeFolder) && image.save(sizeFolder + "/quoran-wizard.png", "PNG");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: quoran-icon-export FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const ImageResource* icon = Icon();
    if (icon == nullptr || !QSvgRenderer(QByteArray(icon->svg)).isValid() ||
        !WriteSvg(folder, icon->svg))
    {
        std::fprintf(stderr, "quoran-icon-export: cannot write the icon into %s\n", argv[1]);
        return 1;
    }
    for (int size : kSizes)
    {
        if (!WritePng(folder, *icon, size))
        {
            std::fprintf(stderr, "quoran-icon-export: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
