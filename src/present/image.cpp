// Images and animation strips: cut into cells when loaded, decoded and
// uploaded when first drawn.
#include <algorithm>
#include <cmath>

#include "present/backend.h"
#include "present/present_internal.h"

namespace {

// A PNG ends with an empty IEND chunk: length 0, the type, its checksum.
bool EndsWithClosingChunk(const std::vector<uint8_t>& bytes) {
  static const uint8_t kEnd[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  return bytes.size() >= 12 && std::equal(kEnd, kEnd + 12, bytes.end() - 12);
}

std::vector<std::unique_ptr<Image>> g_images;
int g_defaultFlags = 0;

int EffectiveFlags(int flags) { return flags == IMG_DEFAULT_FLAGS ? g_defaultFlags : flags; }

void ApplyMask(Image& img) {
  const DrawState& s = CurrentDrawState();
  for (size_t i = 0; i + 3 < img.pixels.size(); i += 4) {
    if (img.pixels[i] == s.maskR && img.pixels[i + 1] == s.maskG && img.pixels[i + 2] == s.maskB)
      img.pixels[i + 3] = 0;
  }
}

// A loaded picture keeps its size only: its pixels are decoded when it is
// first drawn (the backend fills its texture then) or when someone asks for
// them (EnsurePixels). The start-up reads every picture of the catalogue
// but decodes only what its first screens show, and a level's run decodes
// only what the level draws. A file cut short is still refused here, as its
// decoding would refuse it: its last chunk is not the closing one.
std::unique_ptr<Image> Decode(const std::string& path, int flags) {
  auto img = std::make_unique<Image>();
  img->path = path;
  img->flags = flags;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes)) return nullptr;
  if (!ReadPngSize(bytes, &img->sheetW, &img->sheetH) || !EndsWithClosingChunk(bytes)) return nullptr;
  return img;
}

}  // namespace

Image* RegisterImage(std::unique_ptr<Image> img) {
  g_images.push_back(std::move(img));
  Image* raw = g_images.back().get();
  CurrentBackend().UploadImage(*raw);
  return raw;
}

void SetDefaultImageFlags(int flags) { g_defaultFlags = flags; }

Image* LoadImage(const std::string& path, int flags) {
  flags = EffectiveFlags(flags);
  auto img = Decode(path, flags);
  if (!img) return nullptr;
  img->width = img->sheetW;
  img->height = img->sheetH;
  img->cells.push_back({0, 0, img->sheetW, img->sheetH});
  return RegisterImage(std::move(img));
}

Image* LoadAnimImage(const std::string& path, int cellW, int cellH, int first, int count, int flags) {
  if (cellW <= 0 || cellH <= 0 || count <= 0 || first < 0) return nullptr;
  flags = EffectiveFlags(flags);
  auto img = Decode(path, flags);
  if (!img) return nullptr;
  int perRow = img->sheetW / cellW, rows = img->sheetH / cellH;
  int available = perRow * rows;
  // A sheet smaller than the strip asks for keeps the cells it has; the frames
  // beyond them draw nothing instead of reading outside the picture.
  for (int k = first; k < first + count && k < available; ++k)
    img->cells.push_back({(k % perRow) * cellW, (k / perRow) * cellH, cellW, cellH});
  if (img->cells.empty()) return nullptr;
  img->width = cellW;
  img->height = cellH;
  return RegisterImage(std::move(img));
}

Image* CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
  auto img = std::make_unique<Image>();
  img->flags = EffectiveFlags(flags) | IMG_DYNAMIC;
  img->width = width;
  img->height = height;
  img->sheetW = width * frames;
  img->sheetH = height;
  img->pixels.assign(static_cast<size_t>(img->sheetW) * height * 4, 0);
  img->pixelsLoaded = true;
  for (int f = 0; f < frames; ++f) img->cells.push_back({f * width, 0, width, height});
  return RegisterImage(std::move(img));
}

void FreeImage(Image* img) {
  if (!img) return;
  auto it = std::find_if(g_images.begin(), g_images.end(),
                         [img](const std::unique_ptr<Image>& p) { return p.get() == img; });
  if (it == g_images.end()) return;
  CurrentBackend().ReleaseImage(*img);
  g_images.erase(it);
}

void SetImageHandle(Image* img, float x, float y) {
  if (!img) return;
  img->handleX = x;
  img->handleY = y;
}

void MidHandleImage(Image* img) {
  if (!img) return;
  img->handleX = img->width / 2.0f;
  img->handleY = img->height / 2.0f;
}

int ImageWidth(const Image* img) { return img ? img->width : 0; }
int ImageHeight(const Image* img) { return img ? img->height : 0; }

bool EnsurePixels(Image* img) {
  if (!img) return false;
  if (img->pixelsLoaded) return true;
  if (img->path.empty()) return false;
  std::vector<uint8_t> bytes;
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  if (!ReadWholeFile(img->path, &bytes) || !DecodePng(bytes, &w, &h, &rgba)) return false;
  // The file changed under the running game: its old size stands.
  if (w != img->sheetW || h != img->sheetH) return false;
  img->pixels = std::move(rgba);
  img->pixelsLoaded = true;
  // Masked with the mask colour of now: the game sets it once, at start-up.
  if (img->flags & IMG_MASKED) ApplyMask(*img);
  return true;
}

Image* OvalImage() {
  static Image* oval = nullptr;
  if (oval) return oval;
  constexpr int kSize = 128;
  auto img = std::make_unique<Image>();
  img->path = "(oval)";
  img->flags = IMG_FILTERED;
  img->width = img->sheetW = kSize;
  img->height = img->sheetH = kSize;
  img->pixels.resize(kSize * kSize * 4);
  img->pixelsLoaded = true;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      double dx = x + 0.5 - kSize / 2.0, dy = y + 0.5 - kSize / 2.0;
      double d = std::sqrt(dx * dx + dy * dy);
      double a = std::clamp(kSize / 2.0 - d + 0.5, 0.0, 1.0);
      uint8_t* p = &img->pixels[(y * kSize + x) * 4];
      p[0] = p[1] = p[2] = 255;
      p[3] = static_cast<uint8_t>(std::lround(a * 255));
    }
  img->cells.push_back({0, 0, kSize, kSize});
  oval = RegisterImage(std::move(img));
  return oval;
}

void ForgetAllImages() {
  for (auto& img : g_images) CurrentBackend().ReleaseImage(*img);
  g_images.clear();
}
