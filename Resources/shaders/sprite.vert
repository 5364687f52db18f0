#version 330 core
// The "DEFAULT" vertex sums for the lean sprite programs. The view is flat
// (w is 1 everywhere), so the texture corners are interpolated without
// the perspective divide: the same values for less work per pixel.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec4 vertexTint;
layout(location = 3) in float vertexShake;

uniform mat4 modelMatrix;
uniform mat4 viewMatrix;
uniform mat4 projectionMatrix;
uniform int shake;
uniform float time;

noperspective out vec2 texCoord;
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
