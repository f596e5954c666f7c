// SPDX-License-Identifier: Apache-2.0
// mrl770-ready-pictures FILE: writes FILE, a C++ source that holds the pictures of the
// configuration window's first paint, drawn at the usual device pixel ratios, so that the
// program opens its window without drawing any of them.

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "artwork/Artwork.h"

namespace {

using artwork::Picture;

struct ReadyPicture {
  Picture picture;
  int ratio;
};

// A window touches only the pictures of its screen's ratio, and the pages around each page it
// touches are mapped with it: each ratio's pictures are written together, so that those pages
// hold pictures of the same ratio. The window's icon is drawn at its own size only.
const ReadyPicture kReadyPictures[] = {
    {Picture::ConfigBackground, 1},
    {Picture::Heading, 1},
    {Picture::RightCaptions, 1},
    {Picture::ApplySettingsNormal, 1},
    {Picture::RestoreDefaultNormal, 1},
    {Picture::ShowFeaturesNormal, 1},
    {Picture::PrintFeaturesNormal, 1},
    {Picture::ExitNormal, 1},
    {Picture::WindowIcon, 1},
    {Picture::ConfigBackground, 2},
    {Picture::Heading, 2},
    {Picture::RightCaptions, 2},
    {Picture::ApplySettingsNormal, 2},
    {Picture::RestoreDefaultNormal, 2},
    {Picture::ShowFeaturesNormal, 2},
    {Picture::PrintFeaturesNormal, 2},
    {Picture::ExitNormal, 2},
};

constexpr qsizetype kBytesPerSourceLine = 48;

// The pixels as a string literal of three-digit octal escapes: the compiler reads a literal far
// faster than a list of numbers, and such an escape cannot run into the next one.
QByteArray literal(const QImage& image) {
  const auto* bytes = image.constBits();
  QByteArray text;
  for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
    if (i % kBytesPerSourceLine == 0) text += i == 0 ? "\"" : "\"\n    \"";
    text += '\\';
    for (const int shift : {6, 3, 0}) text += static_cast<char>('0' + (bytes[i] >> shift & 7));
  }
  return text + "\"";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  // Fonts need a running application, and this tool must also run where there is no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QByteArray source =
      "// Written by mrl770-ready-pictures when the program is built.\n\n"
      "#include \"artwork/ReadyPictures.h\"\n\n"
      "namespace artwork {\n\nnamespace {\n\n";
  QByteArray table;
  int number = 0;
  for (const ReadyPicture& ready : kReadyPictures) {
    const QImage image = artwork::draw(ready.picture, ready.ratio);
    const QByteArray name = "kPixels" + QByteArray::number(number++);
    source += "alignas(16) unsigned char " + name + "[] =\n    " + literal(image) + ";\n\n";
    QByteArray colours = "nullptr, 0";
    if (!image.colorTable().isEmpty()) {
      source += "const QRgb " + name + "Colours[] = {";
      for (const QRgb colour : image.colorTable()) source += QByteArray::number(colour) + "u, ";
      source += "};\n\n";
      colours = name + "Colours, " + QByteArray::number(image.colorCount());
    }
    const auto n = [](auto value) { return QByteArray::number(static_cast<qint64>(value)); };
    table += "    {static_cast<Picture>(" + n(ready.picture) + "), " + n(ready.ratio) + ", " +
             n(image.width()) + ", " + n(image.height()) + ", " + n(image.bytesPerLine()) +
             ", static_cast<QImage::Format>(" + n(image.format()) + "), " + name + ", " + colours +
             "},\n";
  }
  source += "}  // namespace\n\nconst StoredPicture kStoredPictures[] = {\n" + table +
            "};\nconst std::size_t kStoredPictureCount = " + QByteArray::number(number) +
            ";\n\n}  // namespace artwork\n";

  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size() || !file.commit()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
