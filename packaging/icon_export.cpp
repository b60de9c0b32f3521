// Writes the window icon as PNG files of the sizes desktops look for:
// icon_export OUTPUT_FOLDER SIZE... gives OUTPUT_FOLDER/SIZE.png for each.
#include <QImage>
#include <QString>

#include <cstdio>
#include <string>

#include "resources/scopster_icon.xpm"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "Usage: icon_export OUTPUT_FOLDER SIZE...\n");
    return 64;
  }
  const QImage icon(scopster_icon_xpm);
  if (icon.isNull()) {
    std::fprintf(stderr, "icon_export: the icon could not be read\n");
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::stoi(argv[i]);
    // Whole multiples keep the pixel drawing sharp; smaller sizes are smoothed.
    const Qt::TransformationMode mode = size % icon.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    const QString file = QString::fromLocal8Bit(argv[1]) + "/" + QString::number(size) + ".png";
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, mode).save(file, "PNG")) {
      std::fprintf(stderr, "icon_export: cannot write %s\n", file.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
