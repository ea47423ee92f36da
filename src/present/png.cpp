// PNG reading and writing through libpng: always RGBA8 with straight alpha.
#include <png.h>

#include <cstdio>
#include <cstring>

#include "present/present_internal.h"

namespace {

struct Reader {
  const std::vector<uint8_t>* bytes;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
  auto* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (r->pos + n > r->bytes->size()) png_error(png, "truncated");
  std::memcpy(out, r->bytes->data() + r->pos, n);
  r->pos += n;
}

// A picture that cannot be read is named by whoever asked for it, in one
// line; libpng's own words (on standard error by default) would only add
// lines without the file's name.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// The biggest picture we take: 16384 pixels a side, 16 million pixels in all
// (64 MB of RGBA; the game's largest sheet is a million). A damaged or
// hostile header cannot make us take more than that.
bool PlausibleSize(uint32_t w, uint32_t h) {
  return w > 0 && h > 0 && w <= 16384 && h <= 16384 && uint64_t(w) * h <= 4096u * 4096u;
}

}  // namespace

bool ReadPngSize(const std::vector<uint8_t>& bytes, int* w, int* h) {
  // The IHDR chunk always comes first: signature (8), length (4), type (4).
  if (bytes.size() < 24 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  if (std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return false;
  auto be32 = [&](size_t at) {
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8) |
           uint32_t(bytes[at + 3]);
  };
  uint32_t ww = be32(16), hh = be32(20);
  if (!PlausibleSize(ww, hh)) return false;
  *w = static_cast<int>(ww);
  *h = static_cast<int>(hh);
  return true;
}

bool DecodePng(const std::vector<uint8_t>& bytes, int* w, int* h, std::vector<uint8_t>* rgba) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  Reader reader{&bytes, 0};
  // libpng reports errors by longjmp, which skips destructors: no local with
  // one may come to life between here and the reads below (the rows are read
  // one at a time straight into the caller's vector for that reason).
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  png_uint_32 ww = png_get_image_width(png, info), hh = png_get_image_height(png, info);
  if (!PlausibleSize(ww, hh)) png_error(png, "size");
  int depth = png_get_bit_depth(png, info), type = png_get_color_type(png, info);
  if (depth == 16) png_set_strip_16(png);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != ww * 4) png_error(png, "format");
  // A plain picture's rows are taken as they decode, so a header that
  // promises more than the file carries fails before the memory is touched;
  // an interlaced one revisits every row on each pass and needs them all.
  const size_t rowBytes = static_cast<size_t>(ww) * 4;
  rgba->clear();
  if (passes > 1) {
    rgba->resize(rowBytes * hh);
  } else {
    rgba->reserve(rowBytes * hh);
  }
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < hh; ++y) {
      if (passes == 1) rgba->resize(rowBytes * (y + 1));
      png_read_row(png, rgba->data() + rowBytes * y, nullptr);
    }
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  *w = static_cast<int>(ww);
  *h = static_cast<int>(hh);
  return true;
}

bool WritePng(const std::string& realPath, int w, int h, const uint8_t* rgba) {
  FILE* fp = std::fopen(realPath.c_str(), "wb");
  if (!fp) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    std::fclose(fp);
    return false;
  }
  png_init_io(png, fp);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) png_write_row(png, const_cast<png_bytep>(rgba + static_cast<size_t>(y) * w * 4));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(fp) == 0;
}
