#include "tools/quarlo-art/gif_writer.h"

#include <gif_lib.h>

#include <memory>
#include <unordered_map>

namespace quarlo::art {

namespace {

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

QString GifError(const char* what, int code) {
  return QString("%1: %2").arg(what).arg(GifErrorString(code));
}

}  // namespace

QString WriteAnimatedGif(const QString& path, const std::vector<QImage>& frames, int delayMs) {
  if (frames.empty()) return "no frames";
  const int w = frames.front().width();
  const int h = frames.front().height();
  for (const QImage& f : frames) {
    if (f.size() != frames.front().size()) return "frames differ in size";
  }

  // One palette for the whole animation: quantise all frames stacked as one
  // tall picture, so colours do not flicker from frame to frame.
  const size_t frameSize = static_cast<size_t>(w) * h;
  const size_t total = frameSize * frames.size();
  std::vector<GifByteType> r(total), g(total), b(total), index(total);
  size_t at = 0;
  for (const QImage& frame : frames) {
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < w; ++x, ++at) {
        r[at] = qRed(line[x]);
        g[at] = qGreen(line[x]);
        b[at] = qBlue(line[x]);
      }
    }
  }
  int colours = 256;
  std::vector<GifColorType> palette(256);
  if (GifQuantizeBuffer(w, static_cast<unsigned>(h * frames.size()), &colours, r.data(), g.data(),
                        b.data(), index.data(), palette.data()) == GIF_ERROR) {
    return "cannot quantise the frames";
  }
  // The quantiser files each pixel under its box, which can land a colour
  // far from its own at a box edge; map every colour to its nearest entry.
  std::unordered_map<unsigned, GifByteType> nearest;
  for (size_t i = 0; i < total; ++i) {
    const unsigned key = (unsigned(r[i]) << 16) | (unsigned(g[i]) << 8) | b[i];
    auto [it, fresh] = nearest.try_emplace(key, 0);
    if (fresh) {
      int best = 0, bestDistance = 1 << 30;
      for (int c = 0; c < colours; ++c) {
        const int dr = r[i] - palette[static_cast<size_t>(c)].Red;
        const int dg = g[i] - palette[static_cast<size_t>(c)].Green;
        const int db = b[i] - palette[static_cast<size_t>(c)].Blue;
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = c;
        }
      }
      it->second = static_cast<GifByteType>(best);
    }
    index[i] = it->second;
  }
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
      GifMakeMapObject(256, palette.data()), GifFreeMapObject);

  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(path.toLocal8Bit().constData(), false, &error));
  if (!gif) return GifError("cannot create the file", error);
  EGifSetGifVersion(gif.get(), true);
  if (EGifPutScreenDesc(gif.get(), w, h, 8, 0, map.get()) == GIF_ERROR) {
    return GifError("screen", gif->Error);
  }
  // Loop for ever.
  static const GifByteType loopName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType loopData[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif.get(), sizeof loopName, loopName) == GIF_ERROR ||
      EGifPutExtensionBlock(gif.get(), sizeof loopData, loopData) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif.get()) == GIF_ERROR) {
    return GifError("loop extension", gif->Error);
  }
  for (size_t f = 0; f < frames.size(); ++f) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayMs / 10;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, w, h, false, nullptr) == GIF_ERROR) {
      return GifError("frame", gif->Error);
    }
    for (int y = 0; y < h; ++y) {
      if (EGifPutLine(gif.get(), index.data() + f * frameSize + static_cast<size_t>(y) * w, w) == GIF_ERROR) {
        return GifError("frame line", gif->Error);
      }
    }
  }
  GifFileType* raw = gif.release();
  if (EGifCloseFile(raw, &error) == GIF_ERROR) return GifError("closing", error);
  return {};
}

}  // namespace quarlo::art
