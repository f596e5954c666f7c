// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QSet>

#include "ImageChecks.h"
#include "artwork/Artwork.h"
#include "artwork/ReadyPictures.h"

namespace {

using artwork::Picture;

struct PictureCase {
  const char* name;
  Picture picture;
  QSize size;
};

const PictureCase kPictures[] = {
    {"ConfigBackground", Picture::ConfigBackground, {726, 357}},
    {"FeaturesBackground", Picture::FeaturesBackground, {738, 455}},
    {"Heading", Picture::Heading, {204, 16}},
    {"LeftCaptionsEscP", Picture::LeftCaptionsEscP, {131, 250}},
    {"LeftCaptionsIbm", Picture::LeftCaptionsIbm, {131, 250}},
    {"RightCaptions", Picture::RightCaptions, {131, 265}},
    {"WaitNotice", Picture::WaitNotice, {346, 34}},
    {"ApplySettingsNormal", Picture::ApplySettingsNormal, {128, 26}},
    {"ApplySettingsHover", Picture::ApplySettingsHover, {128, 26}},
    {"RestoreDefaultNormal", Picture::RestoreDefaultNormal, {128, 26}},
    {"RestoreDefaultHover", Picture::RestoreDefaultHover, {128, 26}},
    {"ShowFeaturesNormal", Picture::ShowFeaturesNormal, {128, 26}},
    {"ShowFeaturesHover", Picture::ShowFeaturesHover, {128, 26}},
    {"PrintFeaturesNormal", Picture::PrintFeaturesNormal, {128, 26}},
    {"PrintFeaturesHover", Picture::PrintFeaturesHover, {128, 26}},
    {"ExitNormal", Picture::ExitNormal, {128, 26}},
    {"ExitHover", Picture::ExitHover, {128, 26}},
    {"CloseNormal", Picture::CloseNormal, {126, 24}},
    {"CloseHover", Picture::CloseHover, {126, 24}},
    {"WindowIcon", Picture::WindowIcon, {64, 64}},
};

// Names the case in the test listing instead of dumping its bytes.
template <typename Case>
void printCase(const Case& testCase, std::ostream* out) {
  *out << testCase.name;
}
void PrintTo(const PictureCase& testCase, std::ostream* out) {
  printCase(testCase, out);
}

int distinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& test) {
  return test.param.name;
}

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasItsExactSizeAndIsNotBlank) {
  const QImage image = artwork::draw(GetParam().picture);
  EXPECT_EQ(image.size(), GetParam().size);
  EXPECT_GT(distinctColours(image), 4);
}

// Stored at build time for ratios 1 and 2 or drawn at once for any other: the same pixels.
TEST_P(PictureTest, IsReadyAsDrawn) {
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const QImage ready = artwork::readyPicture(GetParam().picture, ratio);
    EXPECT_EQ(ready, artwork::draw(GetParam().picture, ratio)) << "ratio " << ratio;
    EXPECT_EQ(ready.devicePixelRatio(), ratio);
  }
}

INSTANTIATE_TEST_SUITE_P(Artwork, PictureTest, testing::ValuesIn(kPictures), caseName<PictureCase>);

// Picture panels clip what does not fit, so text painted beyond the part a window shows would
// be cut off there. Ink is any pixel that differs from the first pixel of its row.
struct ShownPartCase {
  const char* name;
  Picture picture;
  QSize shown;
};

const ShownPartCase kShownParts[] = {
    {"Heading", Picture::Heading, {201, 16}},
    {"LeftCaptionsEscP", Picture::LeftCaptionsEscP, {129, 241}},
    {"LeftCaptionsIbm", Picture::LeftCaptionsIbm, {129, 241}},
    {"RightCaptions", Picture::RightCaptions, {129, 255}},
    {"WaitNotice", Picture::WaitNotice, {346, 33}},
};

void PrintTo(const ShownPartCase& testCase, std::ostream* out) {
  printCase(testCase, out);
}

class ShownPartTest : public testing::TestWithParam<ShownPartCase> {};

TEST_P(ShownPartTest, InkStaysWithinThePartTheWindowShows) {
  const QImage image = artwork::draw(GetParam().picture);
  const QRect shown(QPoint(0, 0), GetParam().shown);
  int inkInside = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb paper = image.pixel(0, y);
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == paper) continue;
      ASSERT_TRUE(shown.contains(x, y)) << "ink at " << x << ", " << y;
      ++inkInside;
    }
  }
  EXPECT_GT(inkInside, 0);
}

INSTANTIATE_TEST_SUITE_P(Artwork, ShownPartTest, testing::ValuesIn(kShownParts),
                         caseName<ShownPartCase>);

TEST(LeftCaptions, EmulationsDifferOnlyInTheCharacterTableRow) {
  const QImage escP = artwork::draw(Picture::LeftCaptionsEscP);
  const QImage ibm = artwork::draw(Picture::LeftCaptionsIbm);
  const int lastRowTop = 9 * 24;
  EXPECT_EQ(escP.copy(0, 0, escP.width(), lastRowTop), ibm.copy(0, 0, ibm.width(), lastRowTop));
  EXPECT_NE(escP.copy(0, lastRowTop, escP.width(), escP.height() - lastRowTop),
            ibm.copy(0, lastRowTop, ibm.width(), ibm.height() - lastRowTop));
}

TEST(WindowIcon, IsA256ColourPicture) {
  const QImage icon = artwork::draw(Picture::WindowIcon);
  EXPECT_EQ(QImage::Format_Indexed8, icon.format());
  EXPECT_LE(icon.colorCount(), 256);
  EXPECT_EQ(0, qAlpha(icon.pixel(0, 0)));  // the title bar shows around the printer
}

TEST(Buttons, HoverLookDiffersFromNormalLook) {
  const std::pair<Picture, Picture> buttons[] = {
      {Picture::ApplySettingsNormal, Picture::ApplySettingsHover},
      {Picture::RestoreDefaultNormal, Picture::RestoreDefaultHover},
      {Picture::ShowFeaturesNormal, Picture::ShowFeaturesHover},
      {Picture::PrintFeaturesNormal, Picture::PrintFeaturesHover},
      {Picture::ExitNormal, Picture::ExitHover},
      {Picture::CloseNormal, Picture::CloseHover},
  };
  for (const auto& [normal, hover] : buttons) {
    SCOPED_TRACE(static_cast<int>(normal));
    EXPECT_NE(artwork::draw(normal), artwork::draw(hover));
  }
}

}  // namespace
