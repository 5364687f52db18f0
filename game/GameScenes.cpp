// The game's scenes; filled in by the game issues.
