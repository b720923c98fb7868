// Draws the launcher's lantern mark and writes it as lanterpick.ico: nine images (48, 32, 16
// pixels at 4 and 8 bits, 16 at 24 bits, 48 and 32 at 32 bits with alpha), each with an AND mask.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Colour {
  double r, g, b, a;
};

struct Image {
  int size, bits;
};

const Image kImages[] = {{48, 4}, {32, 4},  {16, 4},  {48, 8}, {32, 8},
                         {16, 8}, {16, 24}, {48, 32}, {32, 32}};

const Colour kClear = {0, 0, 0, 0};
const Colour kFrame = {40, 32, 28, 1};
const Colour kGlass = {255, 214, 92, 1};
const Colour kGlow = {255, 244, 190, 1};
const Colour kFlame = {238, 110, 20, 1};

bool InBox(double x, double y, double left, double top, double right, double bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

// The mark on the unit square: a ring, a cap, a glass body with a flame, and a base.
Colour Paint(double x, double y) {
  double ring = std::hypot(x - 0.5, y - 0.12);
  if (ring < 0.1 && ring > 0.055 && y < 0.16) return kFrame;
  if (InBox(x, y, 0.5 - 0.22 + (0.2 - y) * 0.6, 0.14, 0.5 + 0.22 - (0.2 - y) * 0.6, 0.24))
    return kFrame;
  if (InBox(x, y, 0.22, 0.8, 0.78, 0.92)) return kFrame;
  if (InBox(x, y, 0.27, 0.24, 0.73, 0.8)) {
    if (x < 0.33 || x >= 0.67) return kFrame;
    double fx = (x - 0.5) / 0.1, fy = (y - 0.56) / 0.2;
    double flame = fx * fx + fy * fy * (fy < 0 ? 0.55 : 1.6);
    if (flame < 0.35) return kGlow;
    if (flame < 1.0) return kFlame;
    return kGlass;
  }
  return kClear;
}

Colour Sample(int size, int px, int py) {
  const int n = 4;
  Colour sum = {0, 0, 0, 0};
  for (int sy = 0; sy < n; ++sy) {
    for (int sx = 0; sx < n; ++sx) {
      Colour c = Paint((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size);
      sum.r += c.r * c.a;
      sum.g += c.g * c.a;
      sum.b += c.b * c.a;
      sum.a += c.a;
    }
  }
  if (sum.a == 0) return kClear;
  return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (n * n)};
}

std::vector<Colour> Palette(int bits) {
  std::vector<Colour> palette;
  if (bits == 4) {
    const int vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& c : vga) palette.push_back({double(c[0]), double(c[1]), double(c[2]), 1});
  } else {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) palette.push_back({r * 51.0, g * 51.0, b * 51.0, 1});
    for (int i = 0; i < 40; ++i) palette.push_back({i * 6.5, i * 6.5, i * 6.5, 1});
  }
  return palette;
}

int Nearest(const std::vector<Colour>& palette, const Colour& c) {
  int best = 0;
  double bestDistance = 1e18;
  for (size_t i = 0; i < palette.size(); ++i) {
    double dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    double d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (d < bestDistance) bestDistance = d, best = int(i);
  }
  return best;
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int RowBytes(int size, int bits) {
  return ((size * bits + 31) / 32) * 4;
}

std::vector<uint8_t> Bitmap(const Image& image) {
  const int size = image.size, bits = image.bits;
  std::vector<Colour> palette = bits <= 8 ? Palette(bits) : std::vector<Colour>();
  const int xorRow = RowBytes(size, bits), andRow = RowBytes(size, 1);
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);
  Put32(out, (xorRow + andRow) * size);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  for (const Colour& c : palette) {
    out.push_back(uint8_t(c.b));
    out.push_back(uint8_t(c.g));
    out.push_back(uint8_t(c.r));
    out.push_back(0);
  }
  std::vector<uint8_t> mask;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(xorRow, 0), maskRow(andRow, 0);
    for (int x = 0; x < size; ++x) {
      Colour c = Sample(size, x, y);
      bool transparent = bits == 32 ? c.a == 0 : c.a < 0.5;
      if (transparent) maskRow[x / 8] |= uint8_t(0x80 >> (x % 8));
      if (bits == 4) {
        int index = transparent ? 0 : Nearest(palette, c);
        row[x / 2] |= uint8_t(x % 2 ? index : index << 4);
      } else if (bits == 8) {
        row[x] = uint8_t(transparent ? 0 : Nearest(palette, c));
      } else {
        uint8_t* p = &row[x * (bits / 8)];
        double a = transparent ? 0 : 1;
        if (bits == 32) a = c.a;
        p[0] = uint8_t(std::lround(c.b * (bits == 32 ? 1 : a)));
        p[1] = uint8_t(std::lround(c.g * (bits == 32 ? 1 : a)));
        p[2] = uint8_t(std::lround(c.r * (bits == 32 ? 1 : a)));
        if (bits == 32) p[3] = uint8_t(std::lround(c.a * 255));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
    mask.insert(mask.end(), maskRow.begin(), maskRow.end());
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "lanterpick.ico";
  const int count = sizeof kImages / sizeof kImages[0];
  std::vector<std::vector<uint8_t>> bitmaps;
  for (const Image& image : kImages) bitmaps.push_back(Bitmap(image));
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, count);
  uint32_t offset = 6 + 16 * count;
  for (int i = 0; i < count; ++i) {
    file.push_back(uint8_t(kImages[i].size));
    file.push_back(uint8_t(kImages[i].size));
    file.push_back(kImages[i].bits == 4 ? 16 : 0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, kImages[i].bits);
    Put32(file, uint32_t(bitmaps[i].size()));
    Put32(file, offset);
    offset += uint32_t(bitmaps[i].size());
  }
  for (const auto& bitmap : bitmaps) file.insert(file.end(), bitmap.begin(), bitmap.end());
  FILE* out = fopen(path, "wb");
  if (out == nullptr || fwrite(file.data(), 1, file.size(), out) != file.size()) {
    perror(path);
    return 1;
  }
  fclose(out);
  return 0;
}
