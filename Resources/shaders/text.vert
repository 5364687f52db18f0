#version 330 core
// Glyph quads in world units, seen through the camera like the sprites.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;

out vec2 texCoord;

void main() {
  gl_Position = projectionMatrix * viewMatrix * vec4(position, 0.0, 1.0);
  // Keep the glyphs inside the clip volume whatever the projection's depth range.
  gl_Position.z = 0.0;
  texCoord = uv;
}
