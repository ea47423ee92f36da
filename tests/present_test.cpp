// The presentation layer: files, keys and the input script, random numbers,
// and the drawing-state maths seen through recorded draws.
#include <gtest/gtest.h>

#include <fstream>

#include <cmath>

#include <png.h>

#include <vector>

#include "present/present.h"
#include "present/present_internal.h"
#include "support/test_support.h"

namespace {

class PresentTest : public ::testing::Test {
 protected:
  void SetUp() override { test::StartHeadless(dir_.str()); }
  test::TempDir dir_;
};

TEST_F(PresentTest, PathsMatchWithoutRegardToCaseOrSeparator) {
  test::WriteText(dir_ / "Sound/News.OGG", "x");
  EXPECT_EQ(FileType("SOund\\news.ogg"), 1);
  EXPECT_EQ(FileType("sound/NEWS.ogg"), 1);
  EXPECT_EQ(FileType("sound"), 2);
  EXPECT_EQ(FileType("sound\\other.ogg"), 0);
  // A write through a differently spelt folder lands in the existing folder.
  File* f = WriteFile("SOUND\\made.txt");
  ASSERT_NE(f, nullptr);
  CloseFile(f);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "Sound/made.txt"));
}

TEST_F(PresentTest, LinesRoundTripAndBareLineFeedsReadAlike) {
  File* f = WriteFile("lines.txt");
  WriteLine(f, "first");
  WriteLine(f, "");
  WriteLine(f, "caf\xe9 \xff");
  CloseFile(f);
  EXPECT_EQ(test::ReadText(dir_ / "lines.txt"), "first\r\n\r\ncaf\xe9 \xff\r\n");
  test::WriteText(dir_ / "bare.txt", "first\n\ncaf\xe9 \xff\n");
  for (const char* name : {"lines.txt", "bare.txt"}) {
    File* r = ReadFile(name);
    ASSERT_NE(r, nullptr) << name;
    EXPECT_EQ(ReadLine(r), "first");
    EXPECT_EQ(ReadLine(r), "");
    EXPECT_EQ(ReadLine(r), "caf\xe9 \xff");
    EXPECT_TRUE(Eof(r));
    EXPECT_EQ(ReadLine(r), "");  // past the end: empty lines, never a hang
    CloseFile(r);
  }
  // A zero byte ends a line too.
  test::WriteText(dir_ / "zero.txt", std::string("ab\0cd\n", 6));
  File* z = ReadFile("zero.txt");
  EXPECT_EQ(ReadLine(z), "ab");
  EXPECT_EQ(ReadLine(z), "cd");
  CloseFile(z);
}

TEST_F(PresentTest, IntegersAreLittleEndianAndFilesMoveAndGo) {
  File* f = WriteFile("n.dat");
  WriteInt(f, 19132006);
  WriteInt(f, -1);
  CloseFile(f);
  EXPECT_EQ(test::ReadInts(dir_ / "n.dat"), (std::vector<int32_t>{19132006, -1}));
  auto bytes = test::ReadBytes(dir_ / "n.dat");
  EXPECT_EQ(bytes[0], 0x66);  // 19132006 = 0x0123EE66
  File* r = ReadFile("N.DAT");
  EXPECT_EQ(ReadInt(r), 19132006);
  EXPECT_EQ(ReadInt(r), -1);
  EXPECT_EQ(ReadInt(r), 0);
  CloseFile(r);
  EXPECT_TRUE(RenameFile("n.dat", "m.dat"));
  EXPECT_EQ(FileType("n.dat"), 0);
  EXPECT_EQ(FileType("m.dat"), 1);
  EXPECT_TRUE(DeleteFile("M.dat"));
  EXPECT_EQ(FileType("m.dat"), 0);
  EXPECT_EQ(ReadFile("missing.txt"), nullptr);
  auto entries = ReadDir(".");
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries[0], ".");
  EXPECT_EQ(entries[1], "..");
}

TEST_F(PresentTest, ReadsFallBackFromTheSaveFolderToTheDataFolder) {
  test::TempDir data;
  test::WriteText(data / "Levels/a.doy", "shipped");
  Options.dataDir = data.str();
  EXPECT_EQ(FileType("levels\\A.DOY"), 1);
  test::WriteText(dir_ / "Levels/a.doy", "written");
  std::vector<uint8_t> b;
  ASSERT_TRUE(ReadWholeFile("Levels/a.doy", &b));
  EXPECT_EQ(std::string(b.begin(), b.end()), "written");
}

TEST_F(PresentTest, KeyHitsCountPressesUntilQueried) {
  InjectKey(65, true);
  InjectKey(65, false);
  InjectKey(65, true);
  EXPECT_EQ(KeyHit(65), 2);
  EXPECT_EQ(KeyHit(65), 0);
  EXPECT_EQ(KeyHeld(65), 1);
  FlushKeys();
  EXPECT_EQ(KeyHeld(65), 0);
  EXPECT_EQ(KeyHit(0), 0);
  EXPECT_EQ(KeyHit(300), 0);
}

TEST_F(PresentTest, ScriptEventsArriveAfterTheirFrame) {
  test::WriteText(dir_ / "s.txt",
                  "# comment\n0 down LEFT\n2 tap SPACE\n3 type hi\n5 up left  # trailing comment\n");
  std::string error;
  ASSERT_TRUE(LoadInputScript((dir_ / "s.txt").string(), &error)) << error;
  DeliverScriptEvents(0);
  EXPECT_EQ(KeyHeld(VK_LEFT), 1);
  EXPECT_EQ(KeyHit(VK_SPACE), 0);
  DeliverScriptEvents(2);
  EXPECT_EQ(KeyHit(VK_SPACE), 1);
  EXPECT_EQ(KeyHeld(VK_SPACE), 1);
  DeliverScriptEvents(3);
  EXPECT_EQ(KeyHeld(VK_SPACE), 0);
  EXPECT_EQ(GetKey(), 'h');
  EXPECT_EQ(GetKey(), 0);
  EXPECT_EQ(KeyHit('H'), 1);
  DeliverScriptEvents(4);
  EXPECT_EQ(GetKey(), 'i');
  DeliverScriptEvents(5);
  EXPECT_EQ(KeyHeld(VK_LEFT), 0);

  // The pointer: a move, then a click elsewhere that presses for one frame.
  test::WriteText(dir_ / "mouse.txt", "1 move 120 90\n3 click 300 400\n");
  ASSERT_TRUE(LoadInputScript((dir_ / "mouse.txt").string(), &error)) << error;
  DeliverScriptEvents(1);
  EXPECT_EQ(MouseX(), 120);
  EXPECT_EQ(MouseY(), 90);
  EXPECT_EQ(MouseHit(1), 0);
  DeliverScriptEvents(3);
  EXPECT_EQ(MouseX(), 300);
  EXPECT_EQ(MouseY(), 400);
  EXPECT_EQ(MouseHeld(1), 1);
  EXPECT_EQ(MouseHit(1), 1);
  DeliverScriptEvents(4);
  EXPECT_EQ(MouseHeld(1), 0);
  test::WriteText(dir_ / "bad.txt", "1 click 300\n");
  EXPECT_FALSE(LoadInputScript((dir_ / "bad.txt").string(), &error));

  test::WriteText(dir_ / "bad.txt", "1 down LEFT\n2 jump UP\n");
  EXPECT_FALSE(LoadInputScript((dir_ / "bad.txt").string(), &error));
  EXPECT_NE(error.find(":2:"), std::string::npos) << error;
  // A frame at the top of the range would overflow on the way to its release.
  test::WriteText(dir_ / "bad.txt", "1 down LEFT\n9223372036854775807 tap SPACE\n");
  EXPECT_FALSE(LoadInputScript((dir_ / "bad.txt").string(), &error));
  EXPECT_NE(error.find(":2: frame number 9223372036854775807 is too large"), std::string::npos) << error;
}

TEST_F(PresentTest, TheBudgetEndsTheRunFromAnyLoop) {
  Options.frameBudget = 3;
  EXPECT_THROW(
      {
        while (true) WaitKey();  // a waiting loop still counts frames
      },
      EndOfRun);
  EXPECT_EQ(FramesPresented(), 3);
  EXPECT_EQ(Millisecs(), 50);  // the virtual clock: 1000/60 ms a frame
}

TEST(RandomTest, SeedRulesAndRanges) {
  auto sequence = [](int64_t seed) {
    SeedRnd(seed);
    std::vector<float> v;
    for (int i = 0; i < 8; ++i) v.push_back(Rnd(0, 1));
    return v;
  };
  EXPECT_EQ(sequence(0), sequence(4660));
  EXPECT_EQ(sequence(2147483647), sequence(4660));
  EXPECT_EQ(sequence(4660 + (int64_t(1) << 31)), sequence(4660));  // masked to 31 bits
  EXPECT_NE(sequence(1), sequence(2));
  SeedRnd(99);
  bool sawMin = false, sawMax = false;
  for (int i = 0; i < 5000; ++i) {
    float r = Rnd(0.95f, 1.05f);
    ASSERT_GE(r, 0.95f);
    ASSERT_LT(r, 1.05f);
    int n = Rand(0, 3);
    ASSERT_GE(n, 0);
    ASSERT_LE(n, 3);
    sawMin |= n == 0;
    sawMax |= n == 3;
  }
  EXPECT_TRUE(sawMin && sawMax);
  EXPECT_NEAR(SinD(90), 1, 1e-6);
  EXPECT_NEAR(CosD(180), -1, 1e-6);
  EXPECT_NEAR(ATan2D(1, 1), 45, 1e-4);
}

class DrawTest : public PresentTest {
 protected:
  Image* Square() {
    Image* img = CreateImage(40, 20);
    return img;
  }
  const DrawRecord& Last() { return CurrentDraws().back(); }
};

TEST_F(DrawTest, ACentredHandleWithRotationStaysCentred) {
  Image* img = Square();
  MidHandleImage(img);
  SetRotation(90);
  DrawImage(img, 100, 50);
  const DrawRecord& d = Last();
  float cx = 0, cy = 0;
  for (int i = 0; i < 4; ++i) {
    cx += d.corners[i * 2] / 4;
    cy += d.corners[i * 2 + 1] / 4;
  }
  EXPECT_NEAR(cx, 100, 1e-4);
  EXPECT_NEAR(cy, 50, 1e-4);
  // Turned clockwise: the top-left corner (-20, -10) goes to (+10, -20).
  EXPECT_NEAR(d.corners[0], 110, 1e-4);
  EXPECT_NEAR(d.corners[1], 30, 1e-4);
  EXPECT_FLOAT_EQ(d.state.rotation, 90);
  SetRotation(0);
}

TEST_F(DrawTest, NegativeScaleMirrorsAboutTheHandle) {
  Image* img = Square();
  SetImageHandle(img, 10, 0);
  SetScale(-1, 1);
  DrawImage(img, 200, 0);
  const DrawRecord& d = Last();
  // Unmirrored the picture spans x 190..230; mirrored about x 200: 210..170.
  EXPECT_NEAR(d.corners[0], 210, 1e-4);
  EXPECT_NEAR(d.corners[2], 170, 1e-4);
  SetScale(1, 1);
  SetOrigin(5, 7);
  DrawRect(10, 10, 4, 4);
  EXPECT_NEAR(Last().corners[0], 15, 1e-4);
  EXPECT_NEAR(Last().corners[1], 17, 1e-4);
  SetOrigin(0, 0);
}

TEST_F(DrawTest, MissingPicturesDrawNothingAndStripsKeepTheirCells) {
  size_t before = CurrentDraws().size();
  DrawImage(LoadImage("no/such.png"), 0, 0);
  EXPECT_EQ(CurrentDraws().size(), before);
  test::WriteText(dir_ / "broken.png", "\x89PNG not really");
  EXPECT_EQ(LoadImage("broken.png"), nullptr);
  EXPECT_EQ(LoadAnimImage("broken.png", 8, 8, 0, 2), nullptr);
}

// An interlaced picture written with libpng itself: the game's pictures are
// not interlaced, but a level maker's may be.
std::vector<uint8_t> InterlacedPng(int w, int h, const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        v->insert(v->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_bytep> rows(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) rows[y] = const_cast<png_bytep>(rgba.data() + static_cast<size_t>(y) * w * 4);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TEST(PngTest, InterlacedPicturesDecodeAndCutOffOnesAreRefused) {
  const int w = 13, h = 11;
  std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
  for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<uint8_t>(i * 7 + i / 5);
  std::vector<uint8_t> file = InterlacedPng(w, h, rgba);
  int dw = 0, dh = 0;
  std::vector<uint8_t> back;
  ASSERT_TRUE(DecodePng(file, &dw, &dh, &back));
  EXPECT_EQ(dw, w);
  EXPECT_EQ(dh, h);
  EXPECT_EQ(back, rgba);
  // Cut anywhere after the header, the file is refused and nothing breaks.
  for (size_t cut : {file.size() / 3, file.size() / 2, file.size() - 20}) {
    std::vector<uint8_t> part(file.begin(), file.begin() + static_cast<long>(cut));
    EXPECT_FALSE(DecodePng(part, &dw, &dh, &back)) << "cut at " << cut;
  }
}

// The same file with its header claiming another size (the header's check
// value made right, so only the size is wrong).
std::vector<uint8_t> WithClaimedSize(std::vector<uint8_t> file, uint32_t w, uint32_t h) {
  for (int i = 0; i < 4; ++i) {
    file[16 + i] = static_cast<uint8_t>(w >> (24 - 8 * i));
    file[20 + i] = static_cast<uint8_t>(h >> (24 - 8 * i));
  }
  uint32_t crc = 0xffffffffu;
  for (size_t i = 12; i < 29; ++i) {
    crc ^= file[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  crc ^= 0xffffffffu;
  for (int i = 0; i < 4; ++i) file[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
  return file;
}

// A header may promise any size; the file's data decides. Sizes past 16384 a
// side or 16 million pixels are refused by the header reader and the decoder
// alike (they must agree: the headless loader trusts the header), and a big
// promise over a small file fails on the missing rows.
TEST(PngTest, HeadersPromisingMoreThanTheFileHoldsAreRefused) {
  const int w = 13, h = 11;
  std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 0x80);
  std::vector<uint8_t> file = InterlacedPng(w, h, rgba);
  int dw = 0, dh = 0;
  std::vector<uint8_t> back;
  ASSERT_TRUE(DecodePng(WithClaimedSize(file, w, h), &dw, &dh, &back)) << "the rewritten header is sound";
  for (auto [cw, ch] : {std::pair<uint32_t, uint32_t>{16385, 1}, {4097, 4096}, {16384, 16384}, {0, 5}}) {
    std::vector<uint8_t> claim = WithClaimedSize(file, cw, ch);
    EXPECT_FALSE(ReadPngSize(claim, &dw, &dh)) << cw << "x" << ch;
    EXPECT_FALSE(DecodePng(claim, &dw, &dh, &back)) << cw << "x" << ch;
  }
  std::vector<uint8_t> big = WithClaimedSize(file, 4096, 4096);
  EXPECT_TRUE(ReadPngSize(big, &dw, &dh));
  EXPECT_FALSE(DecodePng(big, &dw, &dh, &back));
  file[28] = 0;  // not interlaced: the rows are taken as they come
  EXPECT_FALSE(DecodePng(WithClaimedSize(file, 4096, 4096), &dw, &dh, &back));
}


// Headless runs keep a picture's size only, until its pixels are asked for;
// they come from the file then, and a file cut short is still refused.
TEST_F(DrawTest, HeadlessPicturesDecodeWhenTheirPixelsAreAskedFor) {
  const int w = 6, h = 4;
  std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
  for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<uint8_t>(i * 11 + 3);
  std::vector<uint8_t> file = InterlacedPng(w, h, rgba);
  auto write = [&](const char* name, size_t size) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(size));
  };
  write("whole.png", file.size());
  write("cut.png", file.size() - 20);
  Image* img = LoadAnimImage("whole.png", 3, 4, 0, 2);
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(img->sheetW, w);
  EXPECT_EQ(img->Frames(), 2);
  EXPECT_FALSE(img->pixelsLoaded);
  ASSERT_TRUE(EnsurePixels(img));
  EXPECT_EQ(img->pixels, rgba);
  EXPECT_EQ(LoadImage("cut.png"), nullptr);
}

}  // namespace
