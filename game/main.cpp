#include "engine/core/Engine.h"

int main(int, char**) {
  Framework::GetEngine().Initialize();
  return 0;
}
