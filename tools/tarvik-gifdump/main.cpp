// tarvik-gifdump FILE [OUTDIR]: loads a GIF as the banner does, composes
// every frame in order as the animator shows it, and describes each frame;
// with OUTDIR it also writes the composed frames as PAM pictures.
#include <cstdio>
#include <exception>
#include <string>

#include "PamWriter.h"
#include "gif/GifErrors.h"
#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"

namespace {

const char* VersionText(gif::TGIFVersion version) {
  switch (version) {
    case gif::GifVersion87a: return "87a";
    case gif::GifVersion89a: return "89a";
    case gif::GifVersionUnknown: break;
  }
  return "unknown";
}

std::string FramePath(const std::string& folder, int index) {
  char name[32];
  std::snprintf(name, sizeof name, "/frame-%03d.pam", index);
  return folder + name;
}

int Dump(const std::string& file, const std::string* outdir) {
  gif::TGIFImage image;
  try {
    image.LoadFile(file);
  } catch (const std::exception& error) {
    std::printf("%s\n", error.what());
    return 1;
  }
  std::printf("gif: %dx%d frames=%d loop=%u version=%s\n", image.ScreenWidth(), image.ScreenHeight(),
              image.FrameCount(), unsigned{image.LoopCount()}, VersionText(image.GifVersion()));
  // The animator's own composer, with its fill colour rule. Where that rule
  // comes to the window colour, the animator takes its widget's, and this
  // tool, having no widget, the default palette's white.
  gif::GifFrameComposer composer(image);
  for (int i = 0; i < image.FrameCount(); ++i) {
    gif::TColor key = gif::clNone;
    try {
      const platform::Bitmap& picture = composer.ComposeFrame(i, key);
      if (outdir) WritePam(FramePath(*outdir, i), picture);
    } catch (const gif::EGIFError& error) {
      // Where the animator stops with one message, so does the tool: the
      // frames before stay described (and written), the failing frame gets
      // its message instead of its line, and the status says it failed.
      std::printf("%s\n", error.what());
      return 1;
    }
    gif::TGIFFrame& frame = image.Frame(i);
    std::printf("frame %d: %dx%d+%d+%d delay=%u disposal=%u transparent=%s corrupted=%s\n", i, frame.Width(),
                frame.Height(), frame.FrameLeft, frame.FrameTop, unsigned{frame.DelayMs}, unsigned{frame.Disposal},
                frame.TransparentColor != gif::clNone ? "yes" : "no", frame.DataCorrupted ? "yes" : "no");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: tarvik-gifdump FILE [OUTDIR]\n");
    return 2;
  }
  const std::string outdir = argc == 3 ? argv[2] : "";
  try {
    return Dump(argv[1], argc == 3 ? &outdir : nullptr);
  } catch (const std::exception& error) {
    std::printf("%s\n", error.what());
    return 1;
  }
}
