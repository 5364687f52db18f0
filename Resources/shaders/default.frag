#version 330 core
// Texture times tint; the scene fade darkens towards black. One of the two
// tints is always (1, 1, 1, 1): the uniform for a mesh drawn on its own,
// the vertex tint for a batched sprite.
in vec2 texCoord;
flat in vec4 quadTint;

uniform sampler2D tex;
uniform vec4 tintColor;
uniform float fadeVariable;

out vec4 fragColor;

void main() {
  vec4 colour = texture(tex, texCoord) * tintColor * quadTint;
  colour.rgb *= 1.0 - clamp(fadeVariable, 0.0, 1.0);
  fragColor = colour;
}
