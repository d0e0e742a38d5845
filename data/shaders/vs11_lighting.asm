// vs_1_1: transform and one directional light
vs_1_1
dcl_position v0
dcl_normal v3
dcl_texcoord0 v7
m4x4 oPos, v0, c0          // clip-space position
m3x3 r0.xyz, v3, c4        // normal to world space
dp3 r1.x, r0, r0
rsq r1.x, r1.x
mul r0.xyz, r0, r1.x       // normalise
dp3 r2.x, r0, -c8          // N.L
max r2.x, r2.x, c9.x
mul oD0, r2.x, c10
mov oT0.xy, v7
