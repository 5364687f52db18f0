#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The level's walkability grid: a rectangle of cells laid over the visible
// world, centred on the origin with row 0 at the top. A cell holding 0 is
// walkable; any other value is blocked. Positions outside the grid, and every
// position before a grid has loaded, are not walkable.
class MapperFF {
 public:
  static constexpr const char* kDefaultPath = "Resources/BinaryCollision.txt";

  virtual ~MapperFF() = default;

  // Reads a grid file and lays it over a world of the given size. A missing
  // file changes nothing; a malformed one prints an "Error:" line and keeps
  // the grid already loaded. Returns whether a new grid was taken.
  bool Load(const std::string& path, int worldWidth, int worldHeight);

  // Sets the grid's shape and makes every cell walkable.
  void Init(int columns, int rows, float cellWidth, float cellHeight);

  bool IsWalkable(float x, float y) const;

  int Columns() const { return columns; }
  int Rows() const { return rows; }
  float CellWidth() const { return cellWidth; }
  float CellHeight() const { return cellHeight; }
  float WorldWidth() const { return worldWidth; }
  float WorldHeight() const { return worldHeight; }
  bool IsInitialized() const { return initialized; }
  // The stored value of a cell; 0 for a cell outside the grid.
  uint8_t Cell(int column, int row) const;

 private:
  float cellWidth = 0.0f;
  float cellHeight = 0.0f;
  int columns = 0;
  int rows = 0;
  bool initialized = false;
  float worldWidth = 0.0f;
  float worldHeight = 0.0f;
  std::vector<uint8_t> cells;  // row-major, row 0 first
};

// The one grid of the running program.
MapperFF& GetMapperFF();
