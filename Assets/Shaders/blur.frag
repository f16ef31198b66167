// A soft blur in one pass, for the frozen arena behind the pause menu and the death
// screen: the pixel itself, a ring of six taps at half the radius and a ring of six
// at the full radius, turned 30 degrees against the first so the taps interleave.
// Thirteen taps keep one full-window pass cheap even on a software renderer.
uniform sampler2D texture;
uniform vec2 resolution; // size of the picture in pixels
uniform float radius;    // blur radius in pixels

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec2 px = radius / resolution;
    vec2 h = px * 0.5;
    vec4 sum = texture2D(texture, uv) * 0.16;
    // Inner ring, at 0, 60, 120, ... degrees.
    sum += texture2D(texture, uv + vec2( h.x,          0.0)) * 0.09;
    sum += texture2D(texture, uv + vec2( h.x * 0.5,  h.y * 0.866)) * 0.09;
    sum += texture2D(texture, uv + vec2(-h.x * 0.5,  h.y * 0.866)) * 0.09;
    sum += texture2D(texture, uv + vec2(-h.x,          0.0)) * 0.09;
    sum += texture2D(texture, uv + vec2(-h.x * 0.5, -h.y * 0.866)) * 0.09;
    sum += texture2D(texture, uv + vec2( h.x * 0.5, -h.y * 0.866)) * 0.09;
    // Outer ring, at 30, 90, 150, ... degrees.
    sum += texture2D(texture, uv + vec2( px.x * 0.866,  px.y * 0.5)) * 0.05;
    sum += texture2D(texture, uv + vec2( 0.0,           px.y)) * 0.05;
    sum += texture2D(texture, uv + vec2(-px.x * 0.866,  px.y * 0.5)) * 0.05;
    sum += texture2D(texture, uv + vec2(-px.x * 0.866, -px.y * 0.5)) * 0.05;
    sum += texture2D(texture, uv + vec2( 0.0,          -px.y)) * 0.05;
    sum += texture2D(texture, uv + vec2( px.x * 0.866, -px.y * 0.5)) * 0.05;
    gl_FragColor = gl_Color * sum;
}
