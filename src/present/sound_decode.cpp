// Sample decoding: WAV and Ogg Vorbis into the mixer's stereo 44100 Hz floats.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "present/mixer.h"

namespace {

uint32_t Le(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// Source frames (any rate, mono or stereo, interleaved) to kMixRate stereo, by
// linear interpolation: the effects are short and bright enough that a better
// filter would not be heard.
void ToMixFormat(const std::vector<float>& src, int channels, long rate, Sound* out) {
  size_t n = channels > 0 ? src.size() / static_cast<size_t>(channels) : 0;
  auto sample = [&](size_t frame, int side) {
    return src[frame * channels + (channels > 1 ? side : 0)];
  };
  out->frames.clear();
  if (n == 0) return;
  if (rate == kMixRate) {
    out->frames.resize(2 * n);
    for (size_t i = 0; i < n; ++i) {
      out->frames[2 * i] = sample(i, 0);
      out->frames[2 * i + 1] = sample(i, 1);
    }
    return;
  }
  double step = static_cast<double>(rate) / kMixRate;
  size_t m = static_cast<size_t>(std::floor((n - 1) / step)) + 1;
  out->frames.resize(2 * m);
  for (size_t i = 0; i < m; ++i) {
    double pos = i * step;
    size_t a = std::min(static_cast<size_t>(pos), n - 1);
    size_t b = std::min(a + 1, n - 1);
    float t = static_cast<float>(pos - a);
    for (int side = 0; side < 2; ++side)
      out->frames[2 * i + side] = sample(a, side) + (sample(b, side) - sample(a, side)) * t;
  }
}

bool DecodeWav(const std::vector<uint8_t>& bytes, Sound* out, std::string* error) {
  const uint8_t* p = bytes.data();
  size_t size = bytes.size();
  int format = 0, channels = 0, bits = 0;
  long rate = 0;
  const uint8_t* data = nullptr;
  size_t dataBytes = 0;
  // Chunks are walked by their declared sizes, each clamped to what the file
  // really holds: a truncated download still plays what arrived.
  size_t at = 12;
  while (at + 8 <= size) {
    uint32_t len = Le(p + at + 4, 4);
    size_t avail = std::min<size_t>(len, size - at - 8);
    const uint8_t* body = p + at + 8;
    if (std::memcmp(p + at, "fmt ", 4) == 0 && avail >= 16) {
      format = static_cast<int>(Le(body, 2));
      channels = static_cast<int>(Le(body + 2, 2));
      rate = static_cast<long>(Le(body + 4, 4));
      bits = static_cast<int>(Le(body + 14, 2));
      if (format == 0xFFFE && avail >= 26) format = static_cast<int>(Le(body + 24, 2));
    } else if (std::memcmp(p + at, "data", 4) == 0) {
      data = body;
      dataBytes = avail;
      if (avail < len) *error = "cut short: it plays the part that is there";
    }
    at += 8 + static_cast<size_t>(len) + (len & 1);
    if (len > size) break;
  }
  if (channels < 1 || channels > 16 || rate < 1000 || rate > 384000) {
    *error = "no usable format chunk";
    return false;
  }
  if (!data) {
    *error = "no data chunk";
    return false;
  }
  bool isFloat = format == 3 && bits == 32;
  if (!(format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) && !isFloat) {
    *error = "unsupported sample format " + std::to_string(format) + "/" + std::to_string(bits) + " bit";
    return false;
  }
  int width = bits / 8;
  size_t count = dataBytes / static_cast<size_t>(width);
  count -= count % static_cast<size_t>(channels);
  std::vector<float> src(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* s = data + i * width;
    float v;
    if (isFloat) {
      uint32_t u = Le(s, 4);
      std::memcpy(&v, &u, 4);
      if (!std::isfinite(v)) v = 0;
    } else if (bits == 8) {
      v = (static_cast<int>(s[0]) - 128) / 128.0f;
    } else {
      uint32_t u = Le(s, width) << (32 - bits);
      v = static_cast<float>(static_cast<int32_t>(u) / 2147483648.0);
    }
    src[i] = std::clamp(v, -1.0f, 1.0f);
  }
  ToMixFormat(src, channels, rate, out);
  return true;
}

struct MemoryFile {
  const std::vector<uint8_t>* bytes;
  size_t at = 0;
};

size_t MemRead(void* ptr, size_t size, size_t n, void* source) {
  auto* f = static_cast<MemoryFile*>(source);
  size_t want = size * n;
  size_t left = f->bytes->size() - f->at;
  size_t got = std::min(want, left);
  std::memcpy(ptr, f->bytes->data() + f->at, got);
  f->at += got;
  return size ? got / size : 0;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<MemoryFile*>(source);
  long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<long long>(f->at)
                                                                : static_cast<long long>(f->bytes->size());
  long long to = base + offset;
  if (to < 0 || to > static_cast<long long>(f->bytes->size())) return -1;
  f->at = static_cast<size_t>(to);
  return 0;
}

long MemTell(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->at); }

bool DecodeOgg(const std::vector<uint8_t>& bytes, Sound* out, std::string* error) {
  MemoryFile file{&bytes};
  ov_callbacks cb{MemRead, MemSeek, nullptr, MemTell};
  OggVorbis_File vf;
  if (ov_open_callbacks(&file, &vf, nullptr, 0, cb) != 0) {
    *error = "not an Ogg Vorbis stream";
    return false;
  }
  vorbis_info* info = ov_info(&vf, -1);
  int channels = info ? info->channels : 0;
  long rate = info ? info->rate : 0;
  if (channels < 1 || rate < 1000) {
    ov_clear(&vf);
    *error = "Ogg Vorbis stream without a usable format";
    return false;
  }
  std::vector<float> src;
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    long got = ov_read_float(&vf, &pcm, 4096, &section);
    if (got == OV_HOLE) continue;  // a damaged page: skip it, keep the rest
    if (got <= 0) break;
    // A chained stream may change its channel count; keep the first layout.
    vorbis_info* now = ov_info(&vf, section);
    int have = now ? std::min(now->channels, channels) : channels;
    for (long i = 0; i < got; ++i)
      for (int c = 0; c < channels; ++c) src.push_back(std::clamp(pcm[std::min(c, have - 1)][i], -1.0f, 1.0f));
  }
  ov_clear(&vf);
  ToMixFormat(src, channels, rate, out);
  return true;
}

}  // namespace

bool DecodeSound(const std::vector<uint8_t>& bytes, Sound* out, std::string* error) {
  if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
      std::memcmp(bytes.data() + 8, "WAVE", 4) == 0)
    return DecodeWav(bytes, out, error);
  if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0) return DecodeOgg(bytes, out, error);
  *error = "neither a WAV nor an Ogg Vorbis file";
  return false;
}
