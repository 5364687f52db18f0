#pragma once
class User;

// Players (objects tagged "player": the Killer and the Detective) may
// finish a sabotaged prop without falling victim to it.
bool IsPlayer(const User* user);
