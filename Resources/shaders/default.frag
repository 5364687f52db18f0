#version 330 core
// Texture times tint; the scene fade darkens towards black.
in vec2 texCoord;

uniform sampler2D tex;
uniform vec4 tintColor;
uniform float fadeVariable;

out vec4 fragColor;

void main() {
  vec4 colour = texture(tex, texCoord) * tintColor;
  colour.rgb *= 1.0 - clamp(fadeVariable, 0.0, 1.0);
  fragColor = colour;
}
