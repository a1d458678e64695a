// tarvik-gifdump's composed frames against ImageMagick's coalesced frames,
// on GIFs made here with interlacing, local tables of 1, 4 and 8 bits, a
// transparent colour, the disposal methods, odd sizes and image data without
// a clear code first; and the tool's description of the frames and its
// failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "gif/GifWriter.h"
#include "gif/Pam.h"

namespace {

using gif_test::TestFrame;
using gif_test::GifWriter;
using gif_test::PamPicture;

struct Case {
  std::string name;
  std::string bytes;
  bool firstFrameTransparent;
  std::uint32_t key;  // 0xRRGGBB of frame 0's transparent colour
  int frames = 3;
};

std::vector<std::uint32_t> Palette(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::uint32_t> colors;
  for (int i = 0; i < count; ++i) colors.push_back(random() & 0xFFFFFF);
  // Tables with repeated colours would make "equal colour" ambiguous.
  std::sort(colors.begin(), colors.end());
  for (int i = 1; i < count; ++i)
    if (colors[i] <= colors[i - 1]) colors[i] = colors[i - 1] + 1;
  return colors;
}

TestFrame Noise(int left, int top, int width, int height, int colors, std::uint32_t seed) {
  std::mt19937 random(seed);
  TestFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  for (int i = 0; i < width * height; ++i)
    frame.pixels.push_back(static_cast<std::uint8_t>(i % 7 < 4 ? (i / 9) % colors : random() % colors));
  frame.delayHundredths = 5;
  return frame;
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  {  // 8-bit local tables, interlaced, odd size, no transparency
    GifWriter writer(37, 23, Palette(256, 1));
    for (int i = 0; i < 3; ++i) {
      TestFrame frame = Noise(i * 3, i * 2, 37 - i * 5, 23 - i * 4, 256, 10 + i);
      frame.localColors = Palette(256, 20 + i);
      frame.interlaced = i != 1;
      frame.disposal = 1;
      writer.Frame(frame);
    }
    cases.push_back({"local8", writer.Finish(), false, 0});
  }
  {  // 1-bit table, transparent colour on frame 0, disposal keep and background
    const std::vector<std::uint32_t> colors = {0x102030, 0xF0E0D0};
    GifWriter writer(31, 17, colors);
    TestFrame first = Noise(0, 0, 31, 17, 2, 3);
    first.transparentIndex = 0;
    first.disposal = 1;
    TestFrame second = Noise(5, 3, 11, 9, 2, 4);
    second.disposal = 2;
    second.transparentIndex = 0;
    TestFrame third = Noise(20, 10, 9, 5, 2, 5);
    third.transparentIndex = 0;
    third.interlaced = true;
    writer.Loop(0).Frame(first).Frame(second).Frame(third);
    cases.push_back({"mono_transparent", writer.Finish(), true, 0x102030});
  }
  {  // 4-bit tables, global and local, background disposal, no transparency on frame 0
    GifWriter writer(101, 7, Palette(16, 6), 3);
    TestFrame first = Noise(0, 0, 101, 7, 16, 7);
    first.disposal = 2;
    TestFrame second = Noise(50, 1, 40, 5, 16, 8);
    second.localColors = Palette(16, 9);
    second.transparentIndex = 4;
    second.disposal = 1;
    TestFrame third = Noise(3, 0, 20, 7, 16, 10);
    third.interlaced = true;
    writer.Frame(first).Frame(second).Frame(third);
    cases.push_back({"four_bit", writer.Finish(), false, 0});
  }
  {  // transparent frame 0 smaller than the screen, local 4-bit tables later
    const std::vector<std::uint32_t> global = Palette(8, 11);
    GifWriter writer(29, 19, global);
    TestFrame first = Noise(2, 2, 20, 12, 8, 12);
    first.transparentIndex = 5;
    first.disposal = 2;
    TestFrame second = Noise(9, 4, 19, 15, 16, 13);
    second.localColors = Palette(16, 14);
    second.transparentIndex = 0;
    second.interlaced = true;
    second.disposal = 1;
    TestFrame third = Noise(0, 0, 13, 5, 8, 15);
    writer.Frame(first).Frame(second).Frame(third);
    cases.push_back({"transparent_partial", writer.Finish(), true, global[5]});
  }
  {  // frames that restore the previous picture, the first of them full-screen
    // Our composition never starts at a full-screen frame before the one
    // shown when that frame restores the previous picture: frames 2 to 4
    // show frame 0 beneath them, not the bare fill, as the reference does.
    GifWriter writer(23, 13, Palette(16, 16));
    TestFrame first = Noise(0, 0, 23, 13, 16, 17);
    first.disposal = 1;
    TestFrame second = Noise(0, 0, 23, 13, 16, 18);
    second.disposal = 3;
    TestFrame third = Noise(4, 2, 12, 8, 16, 19);
    third.disposal = 1;
    TestFrame fourth = Noise(9, 5, 12, 7, 16, 20);
    fourth.disposal = 3;
    fourth.interlaced = true;
    TestFrame fifth = Noise(2, 6, 8, 5, 16, 21);
    writer.Frame(first).Frame(second).Frame(third).Frame(fourth).Frame(fifth);
    cases.push_back({"previous_full_screen", writer.Finish(), false, 0, 5});
  }
  {  // image data that starts without a clear code, as some writers make it
    GifWriter writer(21, 11, Palette(16, 22));
    TestFrame first = Noise(0, 0, 21, 11, 16, 23);
    first.leadingClearCode = false;
    TestFrame second = Noise(3, 2, 9, 7, 16, 24);
    second.leadingClearCode = false;
    second.interlaced = true;
    writer.Frame(first).Frame(second);
    cases.push_back({"no_leading_clear", writer.Finish(), false, 0, 2});
  }
  return cases;
}

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  ::pclose(pipe);
  return output;
}

std::string FrameName(const char* prefix, int index) {
  char name[64];
  std::snprintf(name, sizeof name, "/%s-%03d.pam", prefix, index);
  return name;
}

TEST(GifDumpReference, ComposedFramesMatchImageMagickCoalesce) {
  ASSERT_EQ(std::system("convert -version >/dev/null 2>&1"), 0)
      << "ImageMagick's convert is needed (scripts/packages.txt installs imagemagick)";
  for (const Case& test : Cases()) {
    SCOPED_TRACE(test.name);
    const std::string file = gif_test::WriteTempFile(test.name + ".gif", test.bytes);
    const std::string folder = file + ".frames";
    std::filesystem::create_directories(folder);
    const std::string dump = RunCommand(std::string(TARVIK_GIFDUMP) + " '" + file + "' '" + folder + "'");
    ASSERT_EQ(dump.rfind("gif: ", 0), 0u) << dump;
    ASSERT_EQ(std::system(("convert '" + file + "' -coalesce 'PAM:" + folder + "/ref-%03d.pam'").c_str()), 0);

    for (int index = 0; index < test.frames; ++index) {
      const PamPicture ours = gif_test::ReadPam(folder + FrameName("frame", index));
      const PamPicture reference = gif_test::ReadPam(folder + FrameName("ref", index));
      ASSERT_EQ(ours.width, reference.width);
      ASSERT_EQ(ours.height, reference.height);
      int differences = 0;
      for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
          const std::uint8_t* mine = ours.At(x, y);
          const std::uint8_t* theirs = reference.At(x, y);
          const std::uint32_t theirColor = std::uint32_t{theirs[0]} << 16 | theirs[1] << 8 | theirs[2];
          bool same = true;
          if (theirs[3] == 255) {
            // An opaque pixel of the key's colour is keyed out here by design.
            const bool keyedByDesign = test.firstFrameTransparent && theirColor == test.key && mine[3] == 0;
            same = keyedByDesign || (mine[3] == 255 && std::equal(mine, mine + 3, theirs));
          } else if (theirs[3] == 0 && test.firstFrameTransparent) {
            same = mine[3] == 0;
          }
          if (!same && ++differences <= 3)
            ADD_FAILURE() << "frame " << index << " pixel " << x << "," << y << ": ours " << int{mine[0]} << ","
                          << int{mine[1]} << "," << int{mine[2]} << "," << int{mine[3]} << " reference "
                          << int{theirs[0]} << "," << int{theirs[1]} << "," << int{theirs[2]} << ","
                          << int{theirs[3]};
        }
      }
      EXPECT_EQ(differences, 0) << "frame " << index;
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove(file);
  }
}

TEST(GifDumpReference, DescribesEveryFrameAndFailsOnBadInput) {
  const std::string file = gif_test::WriteTempFile("described.gif", Cases()[1].bytes);
  EXPECT_EQ(RunCommand(std::string(TARVIK_GIFDUMP) + " '" + file + "'"),
            "gif: 31x17 frames=3 loop=0 version=89a\n"
            "frame 0: 31x17+0+0 delay=50 disposal=1 transparent=yes corrupted=no\n"
            "frame 1: 11x9+5+3 delay=50 disposal=2 transparent=yes corrupted=no\n"
            "frame 2: 9x5+20+10 delay=50 disposal=0 transparent=yes corrupted=no\n");
  const std::string bad = gif_test::WriteTempFile("bad.gif", "GIF90a");
  EXPECT_EQ(RunCommand(std::string(TARVIK_GIFDUMP) + " '" + bad + "'; echo status=$?"),
            "Неизвестная версия изображения GIF\nstatus=1\n");

  // A later frame that cannot be shown: the frames before it stay described
  // and written, its message takes its line, and the status is 1.
  TestFrame coloured = Noise(0, 0, 3, 2, 2, 1);
  coloured.localColors = {0x000000, 0xFFFFFF};
  const std::string failing =
      gif_test::WriteTempFile("failing.gif", GifWriter(3, 2, {}).Frame(coloured).Frame(Noise(0, 0, 3, 2, 2, 2)).Finish());
  const std::string folder = failing + ".frames";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(RunCommand(std::string(TARVIK_GIFDUMP) + " '" + failing + "' '" + folder + "'; echo status=$?"),
            "gif: 3x2 frames=2 loop=1 version=89a\n"
            "frame 0: 3x2+0+0 delay=50 disposal=0 transparent=no corrupted=no\n"
            "Неверное число цветов; должно быть степенью числа 2\n"
            "status=1\n");
  EXPECT_TRUE(std::filesystem::exists(folder + FrameName("frame", 0)));
  EXPECT_FALSE(std::filesystem::exists(folder + FrameName("frame", 1)));
  std::filesystem::remove_all(folder);
}

}  // namespace
