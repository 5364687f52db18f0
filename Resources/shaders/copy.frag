#version 330 core
// Each texel as it is: the texture is sampled at texel centres, without
// filtering or blending.
in vec2 texCoord;

uniform sampler2D tex;

out vec4 fragColor;

void main() {
  fragColor = texture(tex, texCoord);
}
