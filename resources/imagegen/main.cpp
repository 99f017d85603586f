#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <functional>

namespace {

struct Picture
{
    QString strName; // resource name below ":/", e.g. "images/ruebe.png"
    QSize size;
    std::function<void(QPainter&, const QSize&)> draw;
};

QList<Picture> pictures()
{
    return {
        {"images/VEMO_App_Symbol.png", {128, 128}, [](QPainter& p, const QSize& s) {
             p.setBrush(QColor(253, 215, 4));
             p.setPen(Qt::NoPen);
             p.drawRoundedRect(QRect(QPoint(0, 0), s), 20, 20);
         }},
    };
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir + "/images");

    QString qrc;
    QTextStream qrcStream(&qrc);
    qrcStream << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const Picture& picture : pictures()) {
        QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.draw(painter, picture.size);
        painter.end();
        const QString path = outDir + "/" + picture.strName;
        if (!image.save(path))
            return 1;
        qrcStream << "    <file alias=\"" << picture.strName << "\">" << path << "</file>\n";
    }
    qrcStream << "  </qresource>\n</RCC>\n";
    qrcStream.flush();

    QFile file(outDir + "/images.qrc");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    file.write(qrc.toUtf8());
    return 0;
}
