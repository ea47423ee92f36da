// Images and animation strips: decoded once, cut into cells, uploaded once.
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>

#include "present/backend.h"
#include "present/image_prefetch.h"
#include "present/present_internal.h"

namespace {

struct Sheet {
  bool ok = false;
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
};

// A PNG ends with an empty IEND chunk: length 0, the type, its checksum.
bool EndsWithClosingChunk(const std::vector<uint8_t>& bytes) {
  static const uint8_t kEnd[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  return bytes.size() >= 12 && std::equal(kEnd, kEnd + 12, bytes.end() - 12);
}

bool DecodeFile(const std::string& realPath, Sheet* out) {
  std::FILE* fp = std::fopen(realPath.c_str(), "rb");
  if (!fp) return false;
  std::vector<uint8_t> bytes;
  unsigned char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  std::fclose(fp);
  return DecodePng(bytes, &out->w, &out->h, &out->rgba);
}

class Prefetcher {
 public:
  void Start(const std::vector<std::string>& paths) {
    Stop();
    std::lock_guard<std::mutex> lock(m_);
    stop_ = false;
    next_ = taken_ = 0;
    entries_.clear();
    index_.clear();
    for (const std::string& p : paths) {
      if (index_.count(p)) continue;
      // Resolved here: the file layer's look-ups are the game thread's own.
      std::string real = ResolveReadPath(p);
      if (real.empty()) continue;
      index_[p] = entries_.size();
      entries_.push_back({real, State::Pending, {}});
    }
    if (entries_.empty()) return;
    unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    for (unsigned k = 0; k < n; ++k) workers_.emplace_back([this] { Work(); });
  }

  // The decoded sheet of a path named ahead: true with it in *out, waiting
  // while a worker is on it. False for a path not named, or not started yet
  // (the caller decodes it itself, and the workers skip it).
  bool Take(const std::string& path, Sheet* out) {
    std::unique_lock<std::mutex> lock(m_);
    auto it = index_.find(path);
    if (it == index_.end()) return false;
    Entry& e = entries_[it->second];
    index_.erase(it);
    ++taken_;
    cv_.notify_all();
    if (e.state == State::Pending) {
      e.state = State::Taken;
      return false;
    }
    cv_.wait(lock, [&] { return e.state == State::Done; });
    *out = std::move(e.sheet);
    e.sheet = Sheet();
    e.state = State::Taken;
    return true;
  }

  void Stop() {
    {
      std::lock_guard<std::mutex> lock(m_);
      stop_ = true;
    }
    cv_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
    std::lock_guard<std::mutex> lock(m_);
    entries_.clear();
    index_.clear();
  }

  ~Prefetcher() { Stop(); }

 private:
  enum class State { Pending, Working, Done, Taken };
  struct Entry {
    std::string real;
    State state;
    Sheet sheet;
  };
  // Sheets decoded ahead of the game thread's loading, at most.
  static constexpr size_t kAhead = 6;

  void Work() {
    std::unique_lock<std::mutex> lock(m_);
    for (;;) {
      cv_.wait(lock, [&] { return stop_ || next_ >= entries_.size() || next_ < taken_ + kAhead; });
      if (stop_ || next_ >= entries_.size()) return;
      Entry& e = entries_[next_++];
      if (e.state != State::Pending) continue;
      e.state = State::Working;
      std::string real = e.real;
      lock.unlock();
      Sheet sheet;
      sheet.ok = DecodeFile(real, &sheet);
      lock.lock();
      e.sheet = std::move(sheet);
      e.state = State::Done;
      cv_.notify_all();
    }
  }

  std::mutex m_;
  std::condition_variable cv_;
  std::vector<Entry> entries_;  // only appended to before the workers start
  std::map<std::string, size_t> index_;
  size_t next_ = 0, taken_ = 0;
  bool stop_ = false;
  std::vector<std::thread> workers_;
};

Prefetcher g_prefetcher;

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

std::unique_ptr<Image> Decode(const std::string& path, int flags) {
  auto img = std::make_unique<Image>();
  img->path = path;
  img->flags = flags;
  Sheet sheet;
  if (g_prefetcher.Take(path, &sheet)) {
    if (!sheet.ok) return nullptr;
    img->sheetW = sheet.w;
    img->sheetH = sheet.h;
    img->pixels = std::move(sheet.rgba);
  } else {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, &bytes)) return nullptr;
    // Headless draws are only recorded: the size is all a picture needs until
    // someone asks for its pixels (EnsurePixels).
    // A file cut short still fails here, as its decoding would: its last
    // chunk is not the closing one.
    if (Options.headless) {
      if (!ReadPngSize(bytes, &img->sheetW, &img->sheetH) || !EndsWithClosingChunk(bytes)) return nullptr;
      return img;
    }
    if (!DecodePng(bytes, &img->sheetW, &img->sheetH, &img->pixels)) return nullptr;
  }
  img->pixelsLoaded = true;
  if (flags & IMG_MASKED) ApplyMask(*img);
  return img;
}

// Once on the graphics card a loaded picture's pixels are read by nothing
// but EnsurePixels, which decodes the file again: no second copy is kept.
Image* Uploaded(Image* img) {
  if (img && !Options.headless && !(img->flags & IMG_DYNAMIC)) {
    std::vector<uint8_t>().swap(img->pixels);
    img->pixelsLoaded = false;
  }
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
  return Uploaded(RegisterImage(std::move(img)));
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
  return Uploaded(RegisterImage(std::move(img)));
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

void PrefetchImages(const std::vector<std::string>& paths) {
  if (Options.headless) return;
  g_prefetcher.Start(paths);
}

void EndImagePrefetch() { g_prefetcher.Stop(); }

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
