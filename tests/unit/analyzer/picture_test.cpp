#include "analyzer/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "canvas_fakes.h"

namespace {

constexpr uint32_t kColour0 = 0x00FF00;
constexpr uint32_t kColour1 = 0xFF0000;
// "Ln 10" .. "Ln 15" are the widest names: 5 cells of 6 px, plus 2.
constexpr int kLM = 32;

void SetSample(SampleBuffer& b, size_t i, uint16_t v) {
  b[2 * i] = static_cast<uint8_t>(v);
  b[2 * i + 1] = static_cast<uint8_t>(v >> 8);
}

void Prepare(Picture& p, const SampleBuffer& samples, int width = 800) {
  p.input.samples = &samples;
  p.input.colour0 = kColour0;
  p.input.colour1 = kColour1;
  for (int i = 0; i < 16; ++i) {
    const std::string name = "Ln " + std::to_string(i);
    p.input.lineNames[i] = std::u16string(name.begin(), name.end());
  }
  p.input.sampleRateMHz = 8.0f;
  p.input.decimalSeparator = u',';
  p.width = width;
}

class PictureTest : public ::testing::Test {
 protected:
  PictureTest() {
    Prepare(picture, *samples);
    picture.RedrawPicture(0);  // as at start: the margin is known before any click
  }

  // The latest text drawn on the row whose top is y (243 bus, 265 ticks).
  const fakes::Text* FindText(const std::u16string& text, int y) const {
    const fakes::Text* found = nullptr;
    for (const auto& t : canvas.texts)
      if (t.text == text && t.y == y) found = &t;
    return found;
  }
  int CountTexts(const std::u16string& text, int y) const {
    return static_cast<int>(std::count_if(canvas.texts.begin(), canvas.texts.end(),
                                          [&](const fakes::Text& t) { return t.text == text && t.y == y; }));
  }
  bool HasSegment(int x0, int y0, int x1, int y1, uint32_t colour) const {
    return std::any_of(canvas.segments.begin(), canvas.segments.end(), [&](const fakes::Segment& s) {
      return s.x0 == x0 && s.y0 == y0 && s.x1 == x1 && s.y1 == y1 && s.colour == colour;
    });
  }
  // Places marker 1 or 2 by a press at the given offset from the left margin.
  void Press(bool left, int offset, int y = 5) {
    HeldButtons held;
    (left ? held.left : held.right) = true;
    picture.MouseDown(held, y, picture.view.LeftMargin + offset);
  }
  int32_t SampleUnderMarker1() const {
    return (picture.view.StartSample * static_cast<int32_t>(picture.view.Zoom) + picture.view.Marker1X) /
           static_cast<int32_t>(picture.view.Zoom);
  }

  std::unique_ptr<SampleBuffer> samples = std::make_unique<SampleBuffer>();
  fakes::RecordingCanvas canvas;
  Picture picture{canvas};
};

}  // namespace

TEST(PicturePixels, TracesShowLevelsAndEdgesAtTheirColumns) {
  auto samples = std::make_unique<SampleBuffer>();
  for (size_t s = 3; s < 6; ++s) SetSample(*samples, s, 0x0001);  // line 0 high at samples 3..5
  fakes::PixelCanvas canvas(kPictureWidth, kPictureHeight);
  Picture picture(canvas);
  Prepare(picture, *samples);
  picture.RedrawPicture(0);

  const int rise = kLM + 3 * 8, fall = kLM + 6 * 8;
  EXPECT_EQ(canvas.At(rise - 4, 10), kColour0);  // low before
  EXPECT_EQ(canvas.At(rise - 4, 2), kBlack);
  EXPECT_EQ(canvas.At(rise, 10), kColour0);  // the low segment reaches the edge column
  for (int y = 2; y < 10; ++y) EXPECT_EQ(canvas.At(rise, y), kColour1) << y;
  EXPECT_EQ(canvas.At(rise + 4, 2), kColour1);
  EXPECT_EQ(canvas.At(rise + 4, 10), kBlack);
  for (int y = 3; y <= 10; ++y) EXPECT_EQ(canvas.At(fall, y), kColour0) << y;
  EXPECT_EQ(canvas.At(fall + 4, 10), kColour0);
  // Line 1 never changes: low all along, no edge.
  EXPECT_EQ(canvas.At(rise, 25), kColour0);
  EXPECT_EQ(canvas.At(rise, 20), kBlack);
  // Time axis tick and bus outline.
  EXPECT_EQ(canvas.At(kLM, 279), kWhite);
  EXPECT_EQ(canvas.At(kLM, 266), kWhite);
  EXPECT_EQ(canvas.At(kLM, 265), kBlack);  // end point left out
  EXPECT_EQ(canvas.At(kLM + 5, 257), kBusColour);
}

TEST_F(PictureTest, DrawingStopsAtTheLastSample) {
  picture.RedrawPicture(32760);
  // Eight columns: their low traces of line 0 end one pixel into the ninth.
  int maxX = 0;
  for (const auto& s : canvas.segments)
    if (s.y0 == 10 && s.y1 == 10) maxX = std::max(maxX, s.x1);
  EXPECT_EQ(maxX, kLM + 8 * 8 + 1);

  picture.width = 100;  // 100 div 8 + 1 = 13 columns
  picture.RedrawPicture(0);
  EXPECT_TRUE(HasSegment(kLM + 12 * 8, 10, kLM + 13 * 8 + 1, 10, kColour0));
  EXPECT_FALSE(HasSegment(kLM + 13 * 8, 10, kLM + 14 * 8 + 1, 10, kColour0));
}

TEST_F(PictureTest, BusRowCrossesOnChangesAndShowsHexOnceWideEnough) {
  for (size_t s = 0; s < 9; ++s) SetSample(*samples, s, 0xa5f0);
  for (size_t s = 9; s < 19; ++s) SetSample(*samples, s, 0x0001);
  for (size_t s = 19; s < 21; ++s) SetSample(*samples, s, 0x0002);
  for (size_t s = 21; s < 24; ++s) SetSample(*samples, s, 0xffff);

  picture.RedrawPicture(0);  // zoom 8: three columns make 24 px > 18
  const int x9 = kLM + 9 * 8;
  EXPECT_TRUE(HasSegment(x9 - 2, 242, x9 + 2, 257, kBusColour));
  EXPECT_TRUE(HasSegment(x9 + 2, 242, x9 - 2, 257, kBusColour));
  EXPECT_TRUE(HasSegment(kLM, 242, kLM + 2, 242, kBusColour));  // closed left end
  ASSERT_NE(FindText(u"a5f0", 243), nullptr);
  EXPECT_EQ(FindText(u"a5f0", 243)->x, kLM + 3);
  EXPECT_EQ(FindText(u"1", 243)->x, x9 + 3);
  EXPECT_EQ(FindText(u"2", 243), nullptr);  // two columns only
  EXPECT_EQ(FindText(u"ffff", 243)->x, kLM + 21 * 8 + 3);
  EXPECT_EQ(CountTexts(u"ffff", 243), 1);

  picture.view.Zoom = 2;  // ten columns make 20 px > 18
  picture.RedrawPicture(0);
  EXPECT_EQ(FindText(u"a5f0", 243), nullptr);  // nine columns
  EXPECT_EQ(CountTexts(u"1", 243), 1);
  EXPECT_EQ(FindText(u"1", 243)->x, kLM + 9 * 2 + 3);
}

TEST_F(PictureTest, TickLabelsGiveMicrosecondsFromTheFirstSample) {
  picture.RedrawPicture(0);
  EXPECT_TRUE(HasSegment(kLM + 64, 280, kLM + 64, 265, kWhite));
  ASSERT_NE(FindText(u"2", 265), nullptr);
  EXPECT_EQ(FindText(u"2", 265)->x, kLM + 67);
  EXPECT_EQ(FindText(u"0", 265)->x, kLM + 3);
  EXPECT_EQ(FindText(u"4", 265)->x, kLM + 131);

  picture.RedrawPicture(100);  // (64 + 800) / 32
  EXPECT_EQ(FindText(u"27", 265)->x, kLM + 67);

  picture.input.sampleRateMHz = 3.0f;
  picture.input.decimalSeparator = u'.';
  picture.RedrawPicture(0);
  EXPECT_EQ(FindText(u"5.333", 265)->x, kLM + 67);

  // Ticks stop before the right edge of the window.
  picture.width = kLM + 128;
  picture.RedrawPicture(0);
  EXPECT_TRUE(HasSegment(kLM + 64, 280, kLM + 64, 265, kWhite));
  EXPECT_FALSE(HasSegment(kLM + 128, 280, kLM + 128, 265, kWhite));
}

TEST_F(PictureTest, SelectedLineNameIsYellowAndMarginOnlyGrows) {
  picture.view.SelectedLine = 2;
  picture.RedrawPicture(0);
  EXPECT_EQ(FindText(u"Ln 1", 17)->colour, kSelectedNameColour);
  EXPECT_EQ(FindText(u"Ln 0", 2)->colour, kWhite);
  EXPECT_EQ(FindText(u"Ln 2", 32)->colour, kWhite);
  EXPECT_NE(FindText(u"Шина", 242), nullptr);
  EXPECT_EQ(picture.view.LeftMargin, kLM);

  picture.input.lineNames[3] = u"Очень длинное";
  picture.RedrawPicture(0);
  EXPECT_EQ(picture.view.LeftMargin, 2 + 13 * 6);
  picture.input.lineNames[3] = u"A";
  picture.RedrawPicture(0);
  EXPECT_EQ(picture.view.LeftMargin, 2 + 13 * 6);
}

TEST_F(PictureTest, MarkerReadoutsAndDifference) {
  Press(true, 40);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 1,250 мкс");
  EXPECT_TRUE(picture.controls.goM1Enabled);
  EXPECT_EQ(picture.controls.markerDif, u"");
  EXPECT_TRUE(HasSegment(kLM + 40, 0, kLM + 40, 280, kMarker1Colour));

  Press(false, 104);
  EXPECT_EQ(picture.controls.marker2Text, u"Отсчёт 2: 3,250 мкс");
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 1,250 мкс");
  EXPECT_EQ(picture.controls.markerDif, u"Разность: 2 мкс");
  EXPECT_TRUE(picture.controls.goM2Enabled);
  EXPECT_TRUE(HasSegment(kLM + 104, 0, kLM + 104, 280, kMarker2Colour));

  picture.input.decimalSeparator = u'.';
  picture.input.sampleRateMHz = 3.0f;
  Press(true, 40);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 3.333 мкс");
  EXPECT_EQ(picture.controls.markerDif, u"Разность: 5.33333333333333 мкс");
}

TEST_F(PictureTest, MarkersFollowTheirSampleWhenScrollingAndKeepOffsetsWhenZooming) {
  Press(true, 400);  // sample 50
  picture.ScrollScroll(10);
  EXPECT_EQ(picture.view.StartSample, 10);
  EXPECT_EQ(picture.view.Marker1X, 320);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 12,500 мкс");
  EXPECT_TRUE(HasSegment(kLM + 320, 0, kLM + 320, 280, kMarker1Colour));

  picture.ZoomInClick();
  EXPECT_EQ(picture.view.Marker1X, 320);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 7,500 мкс");  // (160 + 320) / 64

  picture.GoM1Click();  // the view where marker 1 was placed
  EXPECT_EQ(picture.view.StartSample, 0);
  EXPECT_EQ(picture.view.Marker1X, 320 + 10 * 16);
}

TEST_F(PictureTest, ZoomStopsAtItsLimitsAndEnablesTheOtherButton) {
  for (int i = 0; i < 3; ++i) picture.ZoomInClick();
  EXPECT_EQ(picture.view.Zoom, 64u);
  EXPECT_FALSE(picture.controls.zoomInEnabled);
  EXPECT_TRUE(picture.controls.zoomOutEnabled);
  const int fills = canvas.fills;
  picture.ZoomInClick();
  EXPECT_EQ(picture.view.Zoom, 64u);
  EXPECT_EQ(canvas.fills, fills);

  for (int i = 0; i < 6; ++i) picture.ZoomOutClick();
  EXPECT_EQ(picture.view.Zoom, 1u);
  EXPECT_FALSE(picture.controls.zoomOutEnabled);
  EXPECT_TRUE(picture.controls.zoomInEnabled);
  picture.ZoomOutClick();
  EXPECT_EQ(picture.view.Zoom, 1u);
  picture.ZoomInClick();
  EXPECT_TRUE(picture.controls.zoomOutEnabled);
  EXPECT_EQ(canvas.fills - fills, 6 * 3 + 3);  // three full redraws per click
}

TEST_F(PictureTest, ClickRowsSelectLinesAndEnableTheSearch) {
  Press(true, 40, 0);
  EXPECT_EQ(picture.view.SelectedLine, 1);
  EXPECT_TRUE(picture.controls.findEnabled);
  Press(true, 40, 15);
  EXPECT_EQ(picture.view.SelectedLine, 1);
  Press(true, 40, 16);
  EXPECT_EQ(picture.view.SelectedLine, 2);
  Press(false, 80, 100);  // the right button does not select
  EXPECT_EQ(picture.view.SelectedLine, 2);
  Press(true, 40, 241);
  EXPECT_EQ(picture.view.SelectedLine, 17);
  EXPECT_FALSE(picture.controls.findEnabled);
}

TEST_F(PictureTest, ForwardSearchOnAQuietLineLandsOnTheLastSample) {
  Press(true, 40, 5);
  picture.FindEdge(true);
  EXPECT_EQ(SampleUnderMarker1(), 32767);
  EXPECT_EQ(picture.controls.scrollPosition, picture.view.StartSample);
  EXPECT_EQ(picture.view.GoStart1, picture.view.StartSample);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 8191,750 мкс");
}

TEST_F(PictureTest, ForwardSearchPutsTheFirstSampleOfTheNewLevelUnderMarker1) {
  for (size_t s = 500; s < 600; ++s) SetSample(*samples, s, 0x0004);
  Press(true, 43, 35);  // line 3, inside the column of sample 5
  picture.FindEdge(true);
  EXPECT_EQ(picture.view.Marker1X, 40);
  EXPECT_EQ(picture.view.StartSample, 495);
  EXPECT_EQ(SampleUnderMarker1(), 500);
  picture.FindEdge(true);
  EXPECT_EQ(SampleUnderMarker1(), 600);
}

TEST_F(PictureTest, TwoBackwardSearchesFindTwoEdges) {
  for (size_t s = 100; s < 200; ++s) SetSample(*samples, s, 0x0001);
  picture.ScrollScroll(250);
  Press(true, 400, 5);  // sample 300
  picture.FindEdge(false);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 50,000 мкс");  // sample 200
  EXPECT_EQ(picture.view.StartSample, 149);
  EXPECT_EQ(picture.controls.scrollPosition, 149);
  picture.FindEdge(false);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 25,000 мкс");  // sample 100
  picture.FindEdge(false);  // nothing before: stays
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 25,000 мкс");
}

TEST_F(PictureTest, BackwardSearchFromTheStartMovesOnlyTheMarker) {
  for (size_t s = 10; s < 20; ++s) SetSample(*samples, s, 0x8000);
  Press(true, 400, 230);  // line 16, sample 50
  picture.FindEdge(false);
  EXPECT_EQ(picture.view.StartSample, 0);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 5,000 мкс");
  EXPECT_EQ(picture.view.Marker1X, 19 * 8);
  picture.FindEdge(false);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 2,500 мкс");
}

TEST_F(PictureTest, SearchWithMarker1OffTheBufferLeavesEverythingAlone) {
  picture.ScrollScroll(32760);
  Press(true, 400, 5);  // sample 32810, beyond the buffer
  const TViewState before = picture.view;
  const int fills = canvas.fills;
  picture.FindEdge(true);
  picture.FindEdge(false);
  EXPECT_EQ(canvas.fills, fills);
  EXPECT_EQ(picture.view.StartSample, before.StartSample);
  EXPECT_EQ(picture.view.Marker1X, before.Marker1X);

  picture.ScrollScroll(0);
  Press(true, -16, 5);  // on the names, two samples before the buffer
  picture.FindEdge(false);
  picture.FindEdge(true);
  EXPECT_EQ(picture.view.Marker1X, -16);
  EXPECT_EQ(picture.view.StartSample, 0);
}

TEST_F(PictureTest, ZeroRateLeavesReadoutsAndTickLabelsEmpty) {
  picture.input.sampleRateMHz = 0.0f;
  Press(true, 40);
  Press(false, 80);
  EXPECT_EQ(picture.controls.marker1Text, u"");
  EXPECT_EQ(picture.controls.markerDif, u"");
  EXPECT_TRUE(picture.controls.goM1Enabled);
  EXPECT_EQ(FindText(u"0", 265), nullptr);
  EXPECT_TRUE(HasSegment(kLM + 64, 280, kLM + 64, 265, kWhite));
}

TEST_F(PictureTest, LoadResetShowsTheFirstSampleAndKeepsMarkers) {
  Press(true, 40);
  picture.ScrollScroll(300);
  picture.ShowFromStart();
  EXPECT_EQ(picture.view.StartSample, 0);
  EXPECT_EQ(picture.controls.scrollPosition, 300);
  EXPECT_EQ(picture.controls.marker1Text, u"Отсчёт 1: 1,250 мкс");
}
