// render-icon SVG FOLDER SIZE...: draws the program's SVG icon as FOLDER/<size>.png for each size,
// for the PNG icons installed beside the SVG one.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: render-icon SVG FOLDER SIZE...\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1.png").arg(size);
    if (!image.save(path, "png")) {
      std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
