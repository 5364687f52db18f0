#version 330 core
// The overlay: the post-processed image, faded towards black by the scene fade.
in vec2 texCoord;

uniform sampler2D tex;
uniform float fadeVariable;

out vec4 fragColor;

void main() {
  fragColor = vec4(texture(tex, texCoord).rgb * (1.0 - clamp(fadeVariable, 0.0, 1.0)), 1.0);
}
