#include "engine/physics/MapperFF.h"

#include <fstream>
#include <iostream>

namespace {

// What a grid file holds once it has been read and checked.
struct GridFile {
  int columns = 0;
  int rows = 0;
  std::vector<uint8_t> cells;
};

// Reads "<word> <count>" and checks the count fits the world: a grid wider
// than the world in pixels would give cells narrower than one unit (and a
// zero cell size after the integer division).
bool ReadDimension(std::istream& in, const char* word, int worldSize, int& out) {
  std::string token;
  if (!(in >> token) || token != word) {
    std::cerr << "Error: grid file lacks \"" << word << "\"." << std::endl;
    return false;
  }
  long long value = 0;
  if (!(in >> value)) {
    std::cerr << "Error: grid file has no number after \"" << word << "\"." << std::endl;
    return false;
  }
  if (value <= 0 || value > worldSize) {
    std::cerr << "Error: grid " << word << " " << value << " must be between 1 and "
              << worldSize << "." << std::endl;
    return false;
  }
  out = static_cast<int>(value);
  return true;
}

bool ReadGridFile(std::istream& in, int worldWidth, int worldHeight, GridFile& grid) {
  if (!ReadDimension(in, "Width", worldWidth, grid.columns)) return false;
  if (!ReadDimension(in, "Height", worldHeight, grid.rows)) return false;
  // Both counts are bounded by the world size, so the product fits in size_t.
  // The cells grow as they are read, so a short file claiming a huge grid
  // allocates no more than it holds.
  const size_t count = static_cast<size_t>(grid.columns) * static_cast<size_t>(grid.rows);
  for (size_t i = 0; i < count; ++i) {
    long long value = 0;
    if (!(in >> value)) {
      std::cerr << "Error: grid file holds " << i << " of its " << count << " cells." << std::endl;
      return false;
    }
    // Only the low 8 bits of each value are kept.
    grid.cells.push_back(static_cast<uint8_t>(static_cast<unsigned long long>(value) & 0xFFu));
  }
  return true;
}

// Maps a coordinate measured from the grid's first edge to a cell index,
// truncating toward zero; -1 when it falls outside [0, count).
int CellIndex(float offset, float cellSize, int count) {
  const float index = offset / cellSize;
  // The comparisons also reject NaN, so the cast below is always defined.
  if (!(index > -1.0f && index < static_cast<float>(count))) return -1;
  return static_cast<int>(index);
}

}  // namespace

bool MapperFF::Load(const std::string& path, int newWorldWidth, int newWorldHeight) {
  std::ifstream in(path);
  if (!in.is_open()) return false;  // keep the grid already in use
  if (newWorldWidth <= 0 || newWorldHeight <= 0) {
    std::cerr << "Error: cannot lay a grid over a world of " << newWorldWidth << " by "
              << newWorldHeight << "." << std::endl;
    return false;
  }
  GridFile grid;
  if (!ReadGridFile(in, newWorldWidth, newWorldHeight, grid)) {
    std::cerr << "Error: grid file " << path << " ignored; the previous grid stays." << std::endl;
    return false;
  }
  worldWidth = static_cast<float>(newWorldWidth);
  worldHeight = static_cast<float>(newWorldHeight);
  // Integer division first: a 1280 wide world with 100 columns has 12 unit cells.
  Init(grid.columns, grid.rows, static_cast<float>(newWorldWidth / grid.columns),
       static_cast<float>(newWorldHeight / grid.rows));
  cells = std::move(grid.cells);
  return true;
}

void MapperFF::Init(int newColumns, int newRows, float newCellWidth, float newCellHeight) {
  columns = newColumns;
  rows = newRows;
  cellWidth = newCellWidth;
  cellHeight = newCellHeight;
  initialized = true;
  const long long count = static_cast<long long>(newColumns) * newRows;
  cells.assign(count >= 1 ? static_cast<size_t>(count) : 0, 0);
}

bool MapperFF::IsWalkable(float x, float y) const {
  if (columns <= 0 || rows <= 0 || !(cellWidth > 0.0f) || !(cellHeight > 0.0f)) return false;
  if (cells.size() < static_cast<size_t>(columns) * static_cast<size_t>(rows)) return false;
  const int column = CellIndex(worldWidth * 0.5f + x, cellWidth, columns);
  const int row = CellIndex(worldHeight * 0.5f - y, cellHeight, rows);
  if (column < 0 || row < 0) return false;
  return cells[static_cast<size_t>(row) * columns + column] == 0;
}

uint8_t MapperFF::Cell(int column, int row) const {
  if (column < 0 || row < 0 || column >= columns || row >= rows) return 0;
  const size_t index = static_cast<size_t>(row) * columns + column;
  return index < cells.size() ? cells[index] : 0;
}

MapperFF& GetMapperFF() {
  static MapperFF instance;
  return instance;
}
