// imagegen <outdir>: draws every picture of the application into <outdir>,
// each under its resource name, and writes <outdir>/images.qrc listing them.
// The output depends only on this source and the DejaVu fonts, so a build
// always embeds the same pictures.

#include "drawkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QSvgGenerator>
#include <QTextStream>

#include <cstdio>

namespace
{

QList<Draw::Picture> allPictures()
{
    QList<Draw::Picture> pictures;
    pictures << Draw::logoPictures() << Draw::iconPictures() << Draw::statusPictures()
             << Draw::machineSymbolPictures() << Draw::programStepPicturesFront()
             << Draw::programStepPicturesRear();
    return pictures;
}

QImage render(const Draw::Picture& _picture)
{
    const bool bJpeg = _picture.strName.endsWith(QLatin1String(".jpg"));
    QImage image(_picture.size, bJpeg ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(bJpeg ? Qt::black : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (_picture.bUnitSquare)
        painter.scale(_picture.size.width() / 100.0, _picture.size.height() / 100.0);
    _picture.draw(painter);
    painter.end();
    return image;
}

// A drawing in the unit space as SVG, for the desktop's scalable icon.
bool bWriteSvg(const Draw::Picture& _picture, const QString& _strPath)
{
    QSvgGenerator generator;
    generator.setFileName(_strPath);
    generator.setSize(QSize(100, 100));
    generator.setViewBox(QRect(0, 0, 100, 100));
    generator.setTitle(QStringLiteral("Feldbrief"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    _picture.draw(painter);
    return painter.end();
}

QString xmlEscaped(const QString& _str)
{
    return _str.toHtmlEscaped();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagegen <outdir>\n");
        return 2;
    }
    const QString outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();

    QString qrc;
    QTextStream qrcStream(&qrc);
    qrcStream << "<RCC>\n  <qresource prefix=\"/\">\n";
    QSet<QString> written;
    for (const Draw::Picture& picture : allPictures()) {
        if (written.contains(picture.strName)) {
            std::fprintf(stderr, "imagegen: %s drawn twice\n", qPrintable(picture.strName));
            return 1;
        }
        written.insert(picture.strName);
        const QString path = outDir + QLatin1Char('/') + picture.strName;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (picture.strName.endsWith(QLatin1String(".svg"))) {
            // Installed for the desktop, not embedded.
            if (!bWriteSvg(picture, path)) {
                std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(path));
                return 1;
            }
            continue;
        }
        const QImage image = render(picture);
        const bool bJpeg = picture.strName.endsWith(QLatin1String(".jpg"));
        if (!image.save(path, bJpeg ? "JPG" : "PNG", bJpeg ? 88 : -1)) {
            std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
        qrcStream << "    <file alias=\"" << xmlEscaped(picture.strName) << "\">" << xmlEscaped(path)
                  << "</file>\n";
    }
    qrcStream << "  </qresource>\n</RCC>\n";
    qrcStream.flush();

    QFile file(outDir + "/images.qrc");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.write(qrc.toUtf8());
    return 0;
}
