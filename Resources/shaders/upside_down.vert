#version 330 core
// A full-screen copy whose rows come out in the opposite order.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;

out vec2 texCoord;

void main() {
  gl_Position = vec4(position, 0.0, 1.0);
  texCoord = vec2(uv.x, 1.0 - uv.y);
}
