#version 330 core
// Batched sprites while no fade is under way: the "DEFAULT" sum without its
// factors of 1 (the tint uniform and the fade), so the same colours come out
// for fewer operations per pixel.
noperspective in vec2 texCoord;  // see sprite.vert
flat in vec4 quadTint;

uniform sampler2D tex;

out vec4 fragColor;

void main() {
  fragColor = texture(tex, texCoord) * quadTint;
}
