#version 330 core
// A warm, washed-out, grainy look with darkened corners.
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

float Grain(vec2 pixel) {
  return fract(sin(dot(pixel + vec2(time * 61.0, time * 37.0), vec2(12.9898, 78.233))) * 43758.5453);
}

void main() {
  vec3 colour = texture(tex, texCoord).rgb;
  float luminance = dot(colour, vec3(0.299, 0.587, 0.114));
  vec3 sepia = luminance * vec3(1.12, 0.94, 0.68);
  colour = mix(colour, sepia, 0.7);
  colour += (Grain(gl_FragCoord.xy) - 0.5) * 0.09;
  float vignette = 1.0 - 0.45 * dot(texCoord - 0.5, texCoord - 0.5) * 2.0;
  fragColor = vec4(clamp(colour * vignette, 0.0, 1.0) * SpotlightFactor(), 1.0);
}
