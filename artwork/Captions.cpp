#include <QPainter>

#include "artwork/Lettering.h"
#include "artwork/Palette.h"
#include "artwork/Pictures.h"

namespace artwork {

namespace {

// The painted wording, '&' before the underlined letter. It follows the caption labels of the
// settings catalogue, except where the window paints something else: "LQ Font Type", the
// emulation's own name for the character table, and "Copy Mode", which has no label at all.
const char* const kLeftCaptions[] = {
    "Printing Mo&de", "&High Speed Draft", "Font T&ype",     "L&Q Font Type", "&Pitch",
    "&Font Lock",     "Pitch Loc&k",       "&Auto LineFeed", "E&mulation",
};
const char* const kCharacterTableEscP = "&Character Table";
const char* const kCharacterTableIbm = "&Character Set";

const char* const kRightCaptions[] = {
    "A&uto CR Return", "&Roll Paper Support", "T&ear Off",       "Page Le&ngth",
    "&Line Spacing",   "Slashed &Zero",       "Skip O&ver Perf", "Fricti&on Eject",
    "&Interface",      "&Strobe Edge",        "&Copy Mode",
};

constexpr int kCaptionWidth = 131;
constexpr int kRowPitch = 24;
// Each caption is centred on the 21 px of its row's selection box, which centres its text too.
// The window shows only the top 15 px of the right column's last row (Copy Mode); centring
// that caption in the top 17 px keeps its underline in view.
constexpr int kRowHeight = 21;
constexpr int kClippedRowHeight = 17;
constexpr int kCaptionPixelSize = 12;
// The window shows only 129 px of each caption picture; keep clear of that edge.
constexpr int kCaptionRoom = 124;
constexpr int kCaptionIndent = 2;

QStringList everyCaption() {
  QStringList captions;
  for (const char* caption : kLeftCaptions) captions << QString::fromLatin1(caption);
  for (const char* caption : kRightCaptions) captions << QString::fromLatin1(caption);
  captions << QString::fromLatin1(kCharacterTableEscP) << QString::fromLatin1(kCharacterTableIbm);
  return captions;
}

QImage paintCaptions(const QStringList& captions, int height, bool lastRowClipped, qreal ratio) {
  QImage image = canvas({kCaptionWidth, height}, QImage::Format_RGB32, ratio);
  image.fill(palette::kPanel);
  QPainter painter(&image);
  // Both columns share one font, so their captions match in size.
  painter.setFont(fittingFont(everyCaption(), kCaptionRoom, kCaptionPixelSize));
  for (int row = 0; row < captions.size(); ++row) {
    const bool clipped = lastRowClipped && row == captions.size() - 1;
    const QRect box(kCaptionIndent, row * kRowPitch, kCaptionWidth - kCaptionIndent,
                    clipped ? kClippedRowHeight : kRowHeight);
    paintCaption(painter, box, captions[row], Qt::AlignLeft, palette::kInk);
  }
  return image;
}

}  // namespace

QStringList leftCaptions(bool ibm) {
  QStringList captions;
  for (const char* caption : kLeftCaptions) captions << QString::fromLatin1(caption);
  captions << QString::fromLatin1(ibm ? kCharacterTableIbm : kCharacterTableEscP);
  return captions;
}

QStringList rightCaptions() {
  QStringList captions;
  for (const char* caption : kRightCaptions) captions << QString::fromLatin1(caption);
  return captions;
}

QString waitNoticeText() {
  return QStringLiteral("Please wait, while printer settings being applied.");
}

QImage drawLeftCaptions(bool ibm, qreal ratio) {
  return paintCaptions(leftCaptions(ibm), 250, false, ratio);
}

QImage drawRightCaptions(qreal ratio) {
  return paintCaptions(rightCaptions(), 265, true, ratio);
}

QImage drawHeading(qreal ratio) {
  constexpr int kBandTopOffset = 8;  // the heading stands 8 px below the top of the band
  const QString text = QStringLiteral("Printer Permanent Settings");
  const QRect frame(0, 0, 204, 16);
  QImage image = canvas(frame.size(), QImage::Format_RGB32, ratio);
  QPainter painter(&image);
  paintTopBand(painter, frame.width(), kBandTopOffset);
  painter.setFont(fittingFont({text}, frame.width() - 2, 12, QFont::Bold));
  paintCaption(painter, frame.adjusted(1, 0, 0, 0), text, Qt::AlignLeft, palette::kInk);
  return image;
}

QImage drawWaitNotice(qreal ratio) {
  const QString text = waitNoticeText();
  const QRect frame(0, 0, 346, 34);
  QImage image = canvas(frame.size(), QImage::Format_RGB32, ratio);
  image.fill(palette::kNoticeGrey);
  QPainter painter(&image);
  painter.setFont(fittingFont({text}, frame.width() - 16, 13, QFont::Bold));
  paintCaption(painter, frame, text, Qt::AlignHCenter, palette::kNoticeInk);
  return image;
}

}  // namespace artwork
