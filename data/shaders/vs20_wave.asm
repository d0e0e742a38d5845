// vs_2_0: vertices displaced by a travelling sine wave
vs_2_0
dcl_position v0
dcl_texcoord0 v1
def c10, 0.0, 1.0, 0.5, 6.2831853
mul r0.x, v0.x, c8.x              // phase from x
add r0.x, r0.x, c8.y              // plus time
sincos r1.xy, r0.x, c11, c12
mad r2, r1.y, c9, v0              // offset along c9
m4x4 oPos, r2, c0
mov oT0.xy, v1
