#include "skin/SkinCompiler.h"

#include <gtest/gtest.h>

#include "skin/SkinError.h"
#include "skin/SkinStreams.h"
#include "skin/TskData.h"
#include "support/TemporaryFolder.h"

namespace {

std::string Ini(const std::string& pictures, const std::string& extra_sections = "[FORMINFO]\n") {
  return "[VERSION]\nskinname=Folder\n[PICTURES]\n" + pictures + extra_sections +
         "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=1\n0=panel:panel\n[panel]\nskinrect=0,0,2,2\n";
}

std::string CompileError(const TemporaryFolder& folder) {
  try {
    TskCompressedStoredSkin stored;
    stored.CompileSkinFolder(folder.File("skin.ini"));
    return "compiled";
  } catch (const std::exception& e) {
    return e.what();
  }
}

TEST(SkinCompiler, BuildsAStoredSkinThatLoads) {
  TemporaryFolder folder;
  std::string picture = skintest::Bmp24(2, 3, [](int x, int) { return x ? 0xFFFFFFu : 0u; });
  picture[2] = picture[3] = picture[4] = picture[5] = 0;  // a writer that leaves the size field 0
  folder.Write("Main.bmp", picture);
  folder.Write("a.bmp", picture);
  folder.Write("skin.ini", Ini("picture=main.bmp\nmask=a.bmp\nactivepicturescount=1\nactivepictures0=a.bmp\n"));

  TskCompressedStoredSkin stored;
  stored.CompileSkinFolder(folder.File("skin.ini"));
  skin::SkinForms no_windows;
  TskData data(nullptr, no_windows);
  data.LoadCompressedStoredSkin(stored);
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.MainBitmapName(), "main.bmp");
  EXPECT_EQ(data.MainBitmap().height, 3);
  EXPECT_EQ(data.MaskBitmap().At(1, 0), 0xFFFFFFFFu);
  EXPECT_TRUE(data.InactiveBitmap().IsEmpty());
  ASSERT_EQ(data.ActivePictureNames().size(), 1u);
  EXPECT_EQ(data.ActivePictureNames()[0], "a.bmp");
  EXPECT_EQ(data.GetControlIndex("panel"), 0);

  // The file form: version 3 and the stream's length in front of it.
  folder.Write("out.dat", skin::CompressedSkinFile(stored.CompressedStream));
  TskData from_file(nullptr, no_windows);
  from_file.LoadFromCompressedFile(folder.File("out.dat"));
  EXPECT_EQ(from_file.SkinInfo().SkinName, "Folder");
  EXPECT_EQ(folder.Read("out.dat").substr(0, 4), std::string("\3\0\0\0", 4));
}

TEST(SkinCompiler, RefusesAMissingSectionOrPictureAndKeepsTheStream) {
  TemporaryFolder folder;
  folder.Write("skin.ini", Ini("", ""));
  EXPECT_EQ(CompileError(folder), "The skin \"" + folder.File("skin.ini") + "\" has no section [FORMINFO]");

  folder.Write("skin.ini", Ini("picture=absent.bmp\n"));
  EXPECT_EQ(CompileError(folder),
            "The picture \"absent.bmp\" of [PICTURES] picture is not in the folder \"" + folder.Path() + "\"");

  folder.Write("skin.ini", Ini("activepicturescount=2\nactivepictures0=a.bmp\n"));
  folder.Write("a.bmp", skintest::Bmp24(1, 1, [](int, int) { return 0u; }));
  EXPECT_EQ(CompileError(folder), "The skin \"" + folder.File("skin.ini") + "\" names no file in [PICTURES] activepictures1");

  folder.Write("bad.bmp", "BM not really");
  folder.Write("skin.ini", Ini("picture=bad.bmp\n"));
  EXPECT_EQ(CompileError(folder), "The picture \"" + folder.File("bad.bmp") +
                                      "\" of [PICTURES] picture: Bitmap image is not valid: it ends inside its file header");

  TskCompressedStoredSkin stored;
  stored.CompressedStream = "kept";
  EXPECT_THROW(stored.CompileSkinFolder(folder.File("skin.ini")), skin::SkinError);
  EXPECT_EQ(stored.CompressedStream, "kept");
}

}  // namespace
