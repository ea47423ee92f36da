#include "levels/level_compiler.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "forge.h"
#include "tile_layout.h"
#include "world/object_kinds.h"

namespace forge {
namespace {

constexpr int kLayers = 20;
constexpr int kActiveFieldCount = 11;

struct KindSpec {
  const char* name;
  int code;
  // Parameter names and the level-file field (4 to 11) each fills.
  std::vector<std::pair<const char*, int>> params;
  // Fields fixed by the kind itself (the exit's field 4, a gate's side).
  std::vector<std::pair<int, const char*>> fixed;
};

// The game's own kind table (src/world/object_kinds.h): the names a source
// gives fields are the names the game's creators read them by.
const std::vector<KindSpec>& Kinds() {
  static const std::vector<KindSpec> kinds = [] {
    std::vector<KindSpec> out;
    for (const ObjectKindRow& row : kObjectKinds) {
      KindSpec k{row.name, row.code, {}, {}};
      for (const KindField& f : row.fields) {
        if (!f.name) break;
        if (f.fixed)
          k.fixed.push_back({f.field, f.fixed});
        else
          k.params.push_back({f.name, f.field});
      }
      out.push_back(k);
    }
    return out;
  }();
  return kinds;
}

const KindSpec* FindKind(const std::string& name) {
  for (const KindSpec& k : Kinds())
    if (name == k.name) return &k;
  return nullptr;
}

struct Tile {
  int x, y, cell, layer;
};
struct Block {
  int x, y, kind;
};
struct LegendPart {
  int cell;  // -1: no picture
  int layer;
  int block;  // -1: nothing to stand on
};

class Compiler {
 public:
  explicit Compiler(std::string name) : name_(std::move(name)) {}

  std::string Run(const std::string& text) {
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
      ++line_;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      if (inGrid_) {
        GridRow(raw);
        continue;
      }
      std::vector<std::string> words = Split(raw);
      if (words.empty()) continue;
      if (inLegend_) {
        LegendLine(words);
        continue;
      }
      Directive(words, raw);
    }
    if (inGrid_ || inLegend_)
      Error("the file ends inside a " + std::string(inGrid_ ? "grid" : "legend"));
    return Output();
  }

 private:
  [[noreturn]] void Error(const std::string& message) const {
    Fail(name_ + ":" + std::to_string(line_) + ": " + message);
  }
  void Warn(const std::string& message) const {
    std::fprintf(stderr, "forge: %s:%d: warning: %s\n", name_.c_str(), line_, message.c_str());
  }

  // Words split at blanks; "double quotes" keep blanks; "#" starts a comment.
  std::vector<std::string> Split(const std::string& s) const {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < s.size()) {
      if (std::isspace(static_cast<unsigned char>(s[i]))) {
        ++i;
        continue;
      }
      if (s[i] == '#') break;
      std::string w;
      bool quoted = false;
      while (i < s.size() && (quoted || !std::isspace(static_cast<unsigned char>(s[i])))) {
        if (s[i] == '"')
          quoted = !quoted;
        else
          w.push_back(s[i]);
        ++i;
      }
      if (quoted) Error("a quote is not closed");
      words.push_back(w);
    }
    return words;
  }

  int Number(const std::string& s, const std::string& what) const {
    if (s.empty()) Error(what + " is missing");
    size_t used = 0;
    int v = 0;
    try {
      v = std::stoi(s, &used);
    } catch (...) {
      used = 0;
    }
    if (used != s.size()) Error(what + " must be a whole number, not \"" + s + "\"");
    return v;
  }

  // A text that goes into a comma-separated line must not hold commas.
  std::string FieldText(const std::string& s) const {
    if (s.find(',') != std::string::npos)
      Error("\"" + s + "\" holds a comma, which would split the field");
    return s;
  }

  // Rest of the line after the directive word, blanks kept.
  static std::string RestOf(const std::string& raw, const std::string& word) {
    size_t at = raw.find(word);
    std::string rest = raw.substr(at + word.size());
    size_t first = rest.find_first_not_of(" \t");
    return first == std::string::npos ? "" : rest.substr(first);
  }

  int Cell(const std::string& name) const {
    if (name == "none") return -1;
    int cell = TileCell(name);
    if (cell < 0) {
      bool numeric = !name.empty() && std::all_of(name.begin(), name.end(), ::isdigit);
      if (!numeric) Error("unknown tile cell \"" + name + "\"");
      cell = std::stoi(name);
    }
    return cell;
  }

  int BlockKind(const std::string& w) const {
    if (w == "solid") return 0;
    if (w == "platform") return 1;
    Error("a block is solid or platform, not \"" + w + "\"");
  }

  // name=value pairs after the position.
  std::map<std::string, std::string> Pairs(const std::vector<std::string>& words,
                                           size_t from) const {
    std::map<std::string, std::string> pairs;
    for (size_t k = from; k < words.size(); ++k) {
      size_t eq = words[k].find('=');
      if (eq == std::string::npos || eq == 0)
        Error("expected name=value, not \"" + words[k] + "\"");
      pairs[words[k].substr(0, eq)] = words[k].substr(eq + 1);
    }
    return pairs;
  }

  void Directive(const std::vector<std::string>& w, const std::string& raw) {
    const std::string& d = w[0];
    if (d == "title")
      title_ = RestOf(raw, d);
    else if (d == "subtitle")
      subtitle_ = RestOf(raw, d);
    else if (d == "area")
      area_ = Number(Arg(w, 1), "the area");
    else if (d == "music")
      music_ = Number(Arg(w, 1), "the music number");
    else if (d == "imageset")
      folder_ = Arg(w, 1);
    else if (d == "scroll")
      Scroll(w);
    else if (d == "legend") {
      inLegend_ = true;
      namedInThisLegend_.clear();
    }
    else if (d == "grid")
      StartGrid(w);
    else if (d == "tile") {
      if (w.size() < 4) Error("tile X Y CELL [layer=N]");
      auto p = Pairs(w, 4);
      int layer = p.count("layer") ? Number(p["layer"], "layer") : 1;
      if (p.size() > (p.count("layer") ? 1u : 0u)) Error("a tile takes only layer=");
      AddTile(Number(w[1], "x"), Number(w[2], "y"), Cell(w[3]), layer);
    } else if (d == "block") {
      if (w.size() != 4) Error("block X Y solid|platform");
      AddBlock(Number(w[1], "x"), Number(w[2], "y"), BlockKind(w[3]));
    } else if (d == "image")
      Image(w);
    else if (d == "object") {
      if (w.size() < 4) Error("object CODE X Y [fN=value ...]");
      KindSpec generic{"object", Number(w[1], "the type code"), {}, {}};
      std::vector<std::string> rest(w.begin() + 1, w.end());
      rest[0] = "object";
      Object(generic, rest);
    } else if (const KindSpec* kind = FindKind(d))
      Object(*kind, w);
    else
      Error("unknown name \"" + d + "\"");
  }

  const std::string& Arg(const std::vector<std::string>& w, size_t k) const {
    if (k >= w.size()) Error("\"" + w[0] + "\" needs a value");
    return w[k];
  }

  void Scroll(const std::vector<std::string>& w) {
    for (size_t k = 1; k < w.size(); ++k) {
      size_t eq = w[k].find('=');
      if (eq == std::string::npos) Error("scroll LAYER=MODE ..., not \"" + w[k] + "\"");
      int layer = Number(w[k].substr(0, eq), "the layer");
      if (layer < 0 || layer >= kLayers) Error("image layers run from 0 to 19");
      std::string mode = w[k].substr(eq + 1);
      if (mode == "camera")
        scroll_[layer] = 0;
      else if (mode == "half")
        scroll_[layer] = 1;
      else if (mode == "hidden")
        scroll_[layer] = 2;
      else
        scroll_[layer] = Number(mode, "the scroll mode");
    }
  }

  void LegendLine(const std::vector<std::string>& w) {
    if (w[0] == "end") {
      inLegend_ = false;
      return;
    }
    if (w[0].size() != 1) Error("a legend entry starts with one character, not \"" + w[0] + "\"");
    if (w.size() < 2) Error("legend CHAR CELL [layer=N] [solid|platform]");
    char c = w[0][0];
    if (c == '.') Error("\".\" is always empty");
    // A later legend that names a character again gives it a new meaning for
    // the grids that follow; the lines of one legend add up.
    if (namedInThisLegend_.insert(c).second) legend_[c].clear();
    LegendPart part{Cell(w[1]), 1, -1};
    for (size_t k = 2; k < w.size(); ++k) {
      if (w[k].rfind("layer=", 0) == 0)
        part.layer = Number(w[k].substr(6), "layer");
      else
        part.block = BlockKind(w[k]);
    }
    legend_[c].push_back(part);
  }

  void StartGrid(const std::vector<std::string>& w) {
    if (w.size() != 3) Error("grid X Y (the top-left corner, in pixels)");
    gridX_ = Number(w[1], "x");
    gridY_ = Number(w[2], "y");
    gridRow_ = 0;
    inGrid_ = true;
  }

  void GridRow(const std::string& row) {
    std::string trimmed = row;
    trimmed.erase(0, trimmed.find_first_not_of(" \t"));
    if (trimmed == "end" || trimmed.rfind("end ", 0) == 0) {
      inGrid_ = false;
      return;
    }
    for (size_t col = 0; col < row.size(); ++col) {
      char c = row[col];
      if (c == '.' || c == ' ') continue;
      auto it = legend_.find(c);
      if (it == legend_.end()) Error(std::string("\"") + c + "\" is not in the legend");
      int x = gridX_ + static_cast<int>(col) * kTileSize, y = gridY_ + gridRow_ * kTileSize;
      for (const LegendPart& p : it->second) {
        if (p.cell >= 0) AddTile(x, y, p.cell, p.layer);
        if (p.block >= 0) AddBlock(x, y, p.block);
      }
    }
    ++gridRow_;
  }

  void Image(const std::vector<std::string>& w) {
    // image X Y [layer=N] FILE FOLDER
    std::vector<std::string> plain;
    int layer = 1;
    for (size_t k = 1; k < w.size(); ++k) {
      if (w[k].rfind("layer=", 0) == 0)
        layer = Number(w[k].substr(6), "layer");
      else
        plain.push_back(w[k]);
    }
    if (plain.size() != 4) Error("image X Y [layer=N] FILE FOLDER");
    if (layer < 0 || layer >= kLayers) Error("image layers run from 0 to 19");
    std::ostringstream s;
    s << Number(plain[0], "x") << "," << Number(plain[1], "y") << "," << layer << ","
      << FieldText(plain[2]) << "," << FieldText(plain[3]);
    images_.push_back(s.str());
  }

  void Object(const KindSpec& kind, const std::vector<std::string>& w) {
    if (w.size() < 3) Error(std::string(kind.name) + " X Y ...");
    std::string f[kActiveFieldCount + 1];
    f[1] = std::to_string(Number(w[1], "x"));
    f[2] = std::to_string(Number(w[2], "y"));
    f[3] = std::to_string(kind.code);
    for (auto& [field, value] : kind.fixed) f[field] = value;
    for (auto& [name, value] : Pairs(w, 3)) {
      int field = 0;
      for (auto& [pname, pfield] : kind.params)
        if (name == pname) field = pfield;
      // Any field may also be given by number (f4 to f11).
      if (!field && name.size() >= 2 && name[0] == 'f') {
        int n = Number(name.substr(1), "a field number");
        if (n >= 4 && n <= kActiveFieldCount) field = n;
      }
      if (!field) Error(std::string(kind.name) + " has no field \"" + name + "\"");
      f[field] = FieldText(value);
    }
    // Coins and enemies without a target fire link 0 when taken, so a message
    // point left on link 0 would pop up at the first coin.
    if (kind.code == 142 && std::atoi(f[9].c_str()) == 0)
      Warn("this message point listens to link 0 and opens whenever a coin or enemy without a target "
           "goes; give it a link of its own");
    std::string out = f[1];
    for (int k = 2; k <= kActiveFieldCount; ++k) out += "," + f[k];
    actives_.push_back(out);
  }

  void AddTile(int x, int y, int cell, int layer) { tiles_.push_back({x, y, cell, layer}); }

  void AddBlock(int x, int y, int kind) {
    // Grids drawn over each other must not stack blocks at one place.
    if (!blockAt_.insert({x, y}).second) return;
    blocks_.push_back({x, y, kind});
  }

  std::string Output() const {
    if (title_.empty()) Error("the level has no title");
    std::ostringstream o;
    o << title_ << "\n"
      << subtitle_ << "\n"
      << area_ << "\n"
      << (music_ < 0 ? area_ : music_) << "\n"
      << folder_ << "\n"
      << "Layers\n";
    for (int m : scroll_) o << m << "\n";
    o << "Tiles\n";
    // The game slots image tiles between tiles by layer, so tiles go out in
    // ascending layer order (in source order within a layer).
    std::vector<Tile> tiles = tiles_;
    std::stable_sort(tiles.begin(), tiles.end(),
                     [](const Tile& a, const Tile& b) { return a.layer < b.layer; });
    for (const Tile& t : tiles) o << t.x << "," << t.y << "," << t.cell << "," << t.layer << "\n";
    o << "IMAGE_TILE_LIST\n";
    for (const std::string& s : images_) o << s << "\n";
    o << "COLLISION_LIST\n";
    for (const Block& b : blocks_) o << b.x << "," << b.y << "," << b.kind << "\n";
    o << "ACTIVE_LIST\n";
    for (const std::string& s : actives_) o << s << "\n";
    o << "FIN! :D\n";
    return o.str();
  }

  std::string name_;
  int line_ = 0;
  std::string title_, subtitle_;
  int area_ = 0, music_ = -1;
  std::string folder_ = "Forest/";
  int scroll_[kLayers] = {};
  bool inLegend_ = false, inGrid_ = false;
  std::map<char, std::vector<LegendPart>> legend_;
  std::set<char> namedInThisLegend_;
  int gridX_ = 0, gridY_ = 0, gridRow_ = 0;
  std::vector<Tile> tiles_;
  std::vector<std::string> images_, actives_;
  std::vector<Block> blocks_;
  std::set<std::pair<int, int>> blockAt_;
};

void CompileLevels(const Context& ctx) {
  std::filesystem::path dir = ctx.content / "levels";
  std::error_code ec;
  std::vector<std::filesystem::path> sources;
  for (auto& entry : std::filesystem::directory_iterator(dir, ec))
    if (entry.is_regular_file() && entry.path().extension() == ".lvl")
      sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  for (const auto& src : sources) {
    std::ifstream in(src, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string doy = CompileLevelSource(text.str(), "content/levels/" + src.filename().string());
    WriteFileIfChanged(OutPath(ctx, "Levels/" + src.stem().string() + ".doy"), doy);
  }
}

FORGE_JOB("levels", "sources", CompileLevels);

}  // namespace

std::string CompileLevelSource(const std::string& text, const std::string& sourceName) {
  return Compiler(sourceName).Run(text);
}

}  // namespace forge
