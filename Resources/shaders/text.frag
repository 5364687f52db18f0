#version 330 core
// Single-channel glyph coverage as alpha, times the text colour.
in vec2 texCoord;

uniform sampler2D tex;
uniform vec4 tintColor;

out vec4 fragColor;

void main() {
  fragColor = vec4(tintColor.rgb, tintColor.a * texture(tex, texCoord).r);
}
