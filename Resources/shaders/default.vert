#version 330 core
// Sprites, debug shapes and the UI: model, view and projection in pixels.
// Batched sprites arrive with their corners already in the world (the model
// matrix is then the identity) and bring their own tint and shake; meshes
// drawn on their own leave those two at (1, 1, 1, 1) and 0.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec4 vertexTint;
layout(location = 3) in float vertexShake;

uniform mat4 modelMatrix;
uniform mat4 viewMatrix;
uniform mat4 projectionMatrix;
uniform int shake;
uniform float time;

out vec2 texCoord;
flat out vec4 quadTint;

void main() {
  vec4 world = modelMatrix * vec4(position, 0.0, 1.0);
  if (shake == 1 || vertexShake > 0.5) {
    // A quick wobble of a few pixels.
    world.xy += vec2(sin(time * 50.0), cos(time * 43.0)) * 4.0;
  }
  gl_Position = projectionMatrix * viewMatrix * world;
  // Draw order comes from the layers; z only has to stay inside the clip volume.
  gl_Position.z = 0.0;
  texCoord = uv;
  quadTint = vertexTint;
}
