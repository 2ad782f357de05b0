// The GIF file layout, the version and block rules, the writer's errors and safe saving.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "gif/GIFAnimator.h"
#include "gif/GIFErrors.h"
#include "gif/GIFImage.h"
#include "runtime/Errors.h"
#include "tests/support/TempFolder.h"

namespace giftest {
namespace {

std::string Save(gif::TGIFImage& image) {
  std::string bytes;
  image.SaveToStream(bytes);
  return bytes;
}

std::string SaveBitmap(const gif::TBitmap& bitmap) {
  gif::TGIFAnimator animator;
  animator.Image().Assign(&bitmap);
  return Save(animator.Image());
}

TEST(GIFImage, OnePixelIsExactly799Bytes) {
  const std::string file = SaveBitmap(TrueColor(1, 1, {{10, 20, 30}}));
  std::string expected = "GIF87a" + Bytes({0x01, 0x00, 0x01, 0x00, 0xF7, 0x00, 0x00, 10, 20, 30});
  for (int i = 1; i < 256; ++i) expected += Bytes({128, 128, 128});
  expected +=
      Bytes({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0x08, 0x04, 0x00, 0x01, 0x04, 0x04, 0x00, 0x3B});
  EXPECT_EQ(file.size(), 799u);
  EXPECT_EQ(Hex(file), Hex(expected));
}

TEST(GIFImage, ChartSizedCaptureHeaderAndDescriptorOffsets) {
  std::vector<Rgb> pixels(640 * 400, Rgb{255, 255, 255});
  for (int x = 0; x < 640; ++x) pixels[static_cast<std::size_t>(200 * 640 + x)] = {0, 0, 255};
  const std::string file = SaveBitmap(TrueColor(640, 400, pixels));
  EXPECT_EQ(file.substr(0, 6), "GIF87a");
  EXPECT_EQ(Hex(file.substr(6, 7)), "80 02 90 01 F7 00 00");
  EXPECT_EQ(Hex(file.substr(13, 6)), "FF FF FF 00 00 FF");  // most frequent colour first
  EXPECT_EQ(static_cast<unsigned char>(file[781]), 0x2C);
  EXPECT_EQ(Hex(file.substr(782, 9)), "00 00 00 00 80 02 90 01 00");
  EXPECT_EQ(file[791], 8);
  EXPECT_EQ(static_cast<unsigned char>(file.back()), 0x3B);
  const DecodedGif gif = DecodeWithGiflib(file);
  EXPECT_EQ(gif.ColorAt(0, 5, 200), (Rgb{0, 0, 255}));
  EXPECT_EQ(gif.ColorAt(0, 5, 199), (Rgb{255, 255, 255}));
}

TEST(GIFImage, IndexedBitmapsKeepTheirTableSizeAndIndices) {
  struct Case {
    int bits;
    const char* packedAndCodeSize;  // screen packed byte, then the LZW minimum code size
    std::size_t tableBytes;
  } cases[] = {{1, "80 02", 6}, {4, "B3 04", 48}, {8, "F7 08", 768}};
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> indices = {1, 0, 1, 1, 0, 0};
    gif::TBitmap bitmap = Indexed(3, 2, c.bits, indices);
    bitmap.SetPaletteEntry(1, 9, 8, 7);
    const std::string file = SaveBitmap(bitmap);
    const std::size_t descriptor = 13 + c.tableBytes;
    EXPECT_EQ(Hex(file.substr(10, 1) + file.substr(descriptor + 10, 1)), c.packedAndCodeSize);
    const DecodedGif gif = DecodeWithGiflib(file);
    EXPECT_EQ(gif.Frames.at(0).Indices, indices) << c.bits;
    EXPECT_EQ(gif.GlobalColors.at(1), (Rgb{9, 8, 7}));
  }
}

TEST(GIFImage, SavingTwiceGivesIdenticalBytesWithoutEncodingAgain) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap =
      TrueColor(3, 2, {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}, {7, 8, 9}, {1, 2, 3}, {4, 5, 6}});
  image.Assign(&bitmap);
  int starts = 0;
  image.OnProgress = [&](gif::TGIFImage& sender, gif::TProgressStage stage, int,
                         const std::string&) {
    EXPECT_EQ(&sender, &image);
    if (stage == gif::TProgressStage::psStarting) ++starts;
  };
  const std::string first = Save(image);
  EXPECT_EQ(Save(image), first);
  EXPECT_EQ(starts, 1);
}

TEST(GIFImage, TwoFramesMake89aWithALocalTableOnTheSecond) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(2, 1, {{1, 1, 1}, {2, 2, 2}});
  EXPECT_EQ(image.AddFrame(bitmap), 0);
  EXPECT_EQ(image.AddFrame(bitmap), 1);
  EXPECT_EQ(image.FrameIndex(), 1);
  const std::string file = Save(image);
  EXPECT_EQ(file.substr(0, 6), "GIF89a");
  // Frame 1: 13 + 768 header and table, descriptor 10 bytes, data 08 04 .. (7 bytes: codes 256 1 2
  // 257).
  const std::size_t second = file.find('\x2C', 781 + 10 + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(file[second + 9]), 0x87);
  const DecodedGif gif = DecodeWithGiflib(file);
  ASSERT_EQ(gif.Frames.size(), 2u);
  EXPECT_EQ(gif.Frames[1].LocalColors.size(), 256u);
  EXPECT_EQ(gif.ColorAt(1, 1, 0), (Rgb{2, 2, 2}));
}

TEST(GIFImage, TransparentColourGetsAGraphicControlBlock) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(2, 1, {{1, 1, 1}, {2, 2, 2}});
  image.AddFrame(bitmap);
  image.Frames()[0]->TransparentColor = 0x020202;  // index 1 (each colour once: first seen first)
  image.Frames()[0]->DelayMs = 1230;
  image.Frames()[0]->DisposalMethod = 2;
  const std::string file = Save(image);
  EXPECT_EQ(file.substr(0, 6), "GIF89a");
  EXPECT_EQ(Hex(file.substr(781, 8)),
            "21 F9 04 09 7B 00 01 00");  // packed: disposal 2, transparent
  EXPECT_EQ(static_cast<unsigned char>(file[789]), 0x2C);
}

TEST(GIFImage, NoTransparentColourMarksNoEntryEvenWhenAControlBlockIsWritten) {
  // clNone's low bytes read as white; a white palette entry must not become transparent.
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(1, 1, {{255, 255, 255}});
  image.AddFrame(bitmap);
  image.Frames()[0]->DelayMs = 100;
  const std::string file = Save(image);
  EXPECT_EQ(Hex(file.substr(781, 8)), "21 F9 04 00 0A 00 00 00");
}

TEST(GIFImage, CommentLinesAreCutAt255AndEmptyOnesSkipped) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(1, 1, {{0, 0, 0}});
  image.AddFrame(bitmap);
  image.SharedData().CommentLines = {std::string(300, 'x'), "", Cp("Комментарий")};
  const std::string file = Save(image);
  EXPECT_EQ(file.substr(0, 6), "GIF89a");
  const std::string expected = "\x21\xFE" + Bytes({255}) + std::string(255, 'x') + Bytes({11}) +
                               Cp("Комментарий") + Bytes({0, 0x3B});
  EXPECT_EQ(Hex(file.substr(file.size() - expected.size())), Hex(expected));
  DecodeWithGiflib(file);
}

TEST(GIFImage, LoopingBlockOnlyWithSeveralFrames) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(1, 1, {{0, 0, 0}});
  image.AddFrame(bitmap);
  image.Looping = true;
  image.RepeatCount = 0x1234;
  EXPECT_EQ(Save(image).find("NETSCAPE2.0"), std::string::npos);
  image.AddFrame(bitmap);
  const std::string file = Save(image);
  EXPECT_EQ(Hex(file.substr(781, 19)),
            Hex("\x21\xFF\x0B" + std::string("NETSCAPE2.0") + Bytes({3, 1, 0x34, 0x12, 0})));
  EXPECT_EQ(DecodeWithGiflib(file).Frames.size(), 2u);
}

TEST(GIFImage, BackgroundColourIsTheFirstGlobalEntryWithItsColour) {
  struct Case {
    gif::TColor background;
    int index;
  } cases[] = {{gif::clNone, 0}, {0x030201, 1}, {0x060504, 0}, {0x808080, 2}};
  for (const Case& c : cases) {
    gif::TGIFImage image;
    image.AddFrame(TrueColor(2, 1, {{4, 5, 6}, {1, 2, 3}}));
    image.BackgroundColor = c.background;
    EXPECT_EQ(Save(image)[11], c.index) << std::hex << c.background;
  }
}

TEST(GIFImage, FrameOriginAndPixelAspectReachTheFile) {
  // A 2 x 1 frame placed at (left, top): the screen reaches its far corner; the descriptor holds
  // left, top, width, height and a packed byte of 0 (an interlace request is dropped when the rows
  // are encoded in order). A frame that would reach beyond 65535 cannot be written.
  // clang-format off
  struct Case { int left, top; int aspect; const char* screen; const char* descriptor; } cases[] = {
      {0, 0, 0,  "02 00 01 00 F7 00 00", "2C 00 00 00 00 02 00 01 00 00"},
      {3, 2, 49, "05 00 03 00 F7 00 31", "2C 03 00 02 00 02 00 01 00 00"},
      {65533, 0, 0, "FF FF 01 00 F7 00 00", "2C FD FF 00 00 02 00 01 00 00"},
      {65534, 0, 0, nullptr, nullptr},
      {0, -1, 0, nullptr, nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    gif::TGIFImage image;
    image.AddFrame(TrueColor(2, 1, {{1, 1, 1}, {2, 2, 2}}));
    image.Frames()[0]->Origin = {c.left, c.top};
    image.Frames()[0]->Interlace = true;
    image.SharedData().PixelAspect = static_cast<std::uint8_t>(c.aspect);
    if (c.screen == nullptr) {
      std::string out;
      EXPECT_THROW_MSG(image.SaveToStream(out), gif::EInvalidGraphicOperation,
                       Cp("Ошибка кодировки данных в формат GIF"));
      continue;
    }
    const std::string file = Save(image);
    EXPECT_EQ(Hex(file.substr(6, 7)), c.screen) << c.left << "," << c.top;
    EXPECT_EQ(Hex(file.substr(781, 10)), c.descriptor) << c.left << "," << c.top;
    const DecodedGif gif = DecodeWithGiflib(file);
    EXPECT_EQ(gif.Frames.at(0).Left, c.left);
    EXPECT_EQ(gif.Frames.at(0).Top, c.top);
  }
}

TEST(GIFImage, WriterErrors) {
  gif::TGIFImage image;
  std::string out;
  EXPECT_THROW_MSG(image.SaveToStream(out), gif::EInvalidGraphicOperation,
                   Cp("Нет данных для записи в формате GIF"));
  image.AddFrame(gif::TBitmap());
  EXPECT_THROW_MSG(image.SaveToStream(out), gif::EInvalidGraphicOperation,
                   Cp("Нет данных для записи в формате GIF"));
  EXPECT_THROW_MSG(image.SetWidth(10), gif::EInvalidGraphicOperation,
                   Cp("Невозможно изменить размер изображения GIF"));
  EXPECT_THROW_MSG(image.SetHeight(10), gif::EInvalidGraphicOperation,
                   Cp("Невозможно изменить размер изображения GIF"));

  gif::TGIFImage threeColours;
  threeColours.AddFrame(TrueColor(1, 1, {{0, 0, 0}}));
  threeColours.SharedData().GlobalPalette.Count = 3;
  EXPECT_THROW_MSG(threeColours.SaveToStream(out), gif::EInvalidGraphicOperation,
                   Cp("Неверное число цветов; должно быть степенью числа 2"));

  // Indexed images the format cannot hold, or that lack the palette or rows they claim.
  const gif::TIndexedImage unfit[] = {
      {1, 1, 24, std::vector<gif::TRGBQuad>(256), std::vector<std::uint8_t>(4)},
      {1, 1, 8, std::vector<gif::TRGBQuad>(255), std::vector<std::uint8_t>(4)},
      {5, 2, 8, std::vector<gif::TRGBQuad>(256), std::vector<std::uint8_t>(15)},
      {65536, 1, 1, std::vector<gif::TRGBQuad>(2), std::vector<std::uint8_t>(8192)},
  };
  for (const gif::TIndexedImage& indexed : unfit) {
    gif::TGIFImage holder;
    holder.AddFrame(gif::TBitmap());
    EXPECT_THROW_MSG(holder.Frames()[0]->EncodeIndexedImage(indexed), gif::EInvalidGraphicOperation,
                     Cp("Ошибка кодировки данных в формат GIF"));
  }
  EXPECT_TRUE(out.empty());
}

TEST(GIFImage, AssignReplacesFramesAndNotifies) {
  gif::TGIFImage image;
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  const gif::TBitmap bitmap = TrueColor(4, 3, std::vector<Rgb>(12, Rgb{1, 2, 3}));
  image.Assign(&bitmap);
  EXPECT_EQ(image.Frames().size(), 1u);
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Height(), 3);
  image.Assign(nullptr);
  EXPECT_TRUE(image.Frames().empty());
  EXPECT_EQ(changes, 2);
}

TEST(GIFImage, FailedEncodingKeepsNoPartialDataAndAbortResetsTheFrame) {
  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(2, 2, std::vector<Rgb>(4, Rgb{5, 5, 5}));
  image.Assign(&bitmap);
  image.Frames()[0]->DelayMs = 500;
  image.OnProgress = [](gif::TGIFImage&, gif::TProgressStage stage, int, const std::string&) {
    if (stage == gif::TProgressStage::psRunning) throw runtime::Exception("disk gone");
  };
  std::string out;
  EXPECT_THROW(image.SaveToStream(out), runtime::Exception);
  EXPECT_TRUE(image.Frames()[0]->Item().EncodedData.empty());
  EXPECT_EQ(image.Frames()[0]->DelayMs, 500);  // only the silent abort resets the frame

  image.OnProgress = [](gif::TGIFImage&, gif::TProgressStage stage, int, const std::string&) {
    if (stage == gif::TProgressStage::psRunning) throw gif::EAbort("");
  };
  EXPECT_THROW(image.SaveToStream(out), gif::EAbort);
  EXPECT_EQ(image.Frames()[0]->DelayMs, 0);

  image.OnProgress = nullptr;
  image.SaveToStream(out);
  EXPECT_EQ(out, SaveBitmap(bitmap));
}

TEST(GIFImage, SaveToFileReplacesOnlyWhenComplete) {
  const testsupport::TempFolder folder("gif_tests_save");
  const auto path = folder / "chart.gif";
  {
    std::ofstream old(path, std::ios::binary);
    old << "old contents";
  }
  gif::TGIFImage empty;
  EXPECT_THROW(empty.SaveToFile(path), gif::EInvalidGraphicOperation);
  EXPECT_EQ(testsupport::ReadFile(path), "old contents");
  empty.AddFrame(gif::TBitmap());  // a frame without pixels: no file at all, not an empty one
  EXPECT_THROW(empty.SaveToFile(folder / "new.gif"), gif::EInvalidGraphicOperation);
  EXPECT_FALSE(std::filesystem::exists(folder / "new.gif"));

  gif::TGIFImage image;
  const gif::TBitmap bitmap = TrueColor(1, 1, {{10, 20, 30}});
  image.Assign(&bitmap);
  image.SaveToFile(path);
  EXPECT_EQ(testsupport::ReadFile(path), SaveBitmap(bitmap));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            1);

  const auto missing = folder / "no such folder" / "chart.gif";
  EXPECT_THROW_MSG(image.SaveToFile(missing), runtime::EFCreateError,
                   "Cannot create file " + missing.string());
}

}  // namespace
}  // namespace giftest
