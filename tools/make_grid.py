#!/usr/bin/env python3
"""Writes the walkability grid file: a walkable floor with a ring of blocked
cells along the edges, sized for a window. The match's HUD bar covers the
top of the window, so a few more rows are blocked there: nobody walks
under it.

Usage: make_grid.py [--width 1280] [--height 720] [--cell 20] [--wall 1] [--hud 4] [output]
The default output is Resources/BinaryCollision.txt beside this script's
parent folder.
"""
import argparse
import pathlib
import sys


def build_grid(columns, rows, wall, hud=0):
    """Rows of cell values, top row first: 0 walkable, 1 blocked."""
    grid = []
    for row in range(rows):
        line = []
        for column in range(columns):
            at_edge = (row < wall + hud or row >= rows - wall or
                       column < wall or column >= columns - wall)
            line.append(1 if at_edge else 0)
        grid.append(line)
    return grid


def format_grid(grid):
    columns = len(grid[0]) if grid else 0
    lines = ["Width %d" % columns, "Height %d" % len(grid)]
    lines.extend(" ".join(str(value) for value in row) for row in grid)
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--width", type=int, default=1280, help="window width in pixels")
    parser.add_argument("--height", type=int, default=720, help="window height in pixels")
    parser.add_argument("--cell", type=int, default=20, help="cell size in pixels")
    parser.add_argument("--wall", type=int, default=1, help="blocked cells along each edge")
    parser.add_argument("--hud", type=int, default=4, help="further blocked rows under the HUD bar at the top")
    default_out = pathlib.Path(__file__).resolve().parent.parent / "Resources" / "BinaryCollision.txt"
    parser.add_argument("output", nargs="?", default=str(default_out))
    args = parser.parse_args(argv)

    if args.cell <= 0 or args.width < args.cell or args.height < args.cell:
        parser.error("the cell size must be positive and fit the window")
    if args.width % args.cell or args.height % args.cell:
        parser.error("the window size must be a multiple of the cell size")
    columns, rows = args.width // args.cell, args.height // args.cell
    if args.wall < 0 or args.hud < 0 or 2 * args.wall + args.hud >= min(columns, rows):
        parser.error("the walls would cover the whole floor")

    output = pathlib.Path(args.output)
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text(format_grid(build_grid(columns, rows, args.wall, args.hud)))
    print("wrote %s: %d x %d cells of %d px" % (output, columns, rows, args.cell))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
