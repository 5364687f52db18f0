#version 330 core
// The plain look: the world image as it is.
in vec2 texCoord;

uniform sampler2D tex;
uniform float time;

// Spotlight: pixels farther than radius from testPos (world units) darken.
uniform int spotlight;
uniform float radius;
uniform vec2 testPos;
uniform vec2 cameraPos;
// Screen pixels per world unit; unset (0) means the plain view.
uniform float cameraZoom;

float SpotlightFactor() {
  if (spotlight != 1) return 1.0;
  float zoom = cameraZoom > 0.0 ? cameraZoom : 1.0;
  vec2 world = (gl_FragCoord.xy - vec2(textureSize(tex, 0)) * 0.5) / zoom + cameraPos;
  float outside = smoothstep(radius - 8.0, radius + 8.0, distance(world, testPos));
  return mix(1.0, 0.2, outside);
}

out vec4 fragColor;

void main() {
  fragColor = vec4(texture(tex, texCoord).rgb * SpotlightFactor(), 1.0);
}
