#version 330 core
// Batched sprites at tint (1, 1, 1, 1) while no fade is under way: all that
// is left of the "DEFAULT" sum is the texel.
noperspective in vec2 texCoord;  // see sprite.vert

uniform sampler2D tex;

out vec4 fragColor;

void main() {
  fragColor = texture(tex, texCoord);
}
