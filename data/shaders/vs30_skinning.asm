// vs_3_0: two-bone skinning with a displacement map
vs_3_0
dcl_position v0
dcl_blendindices v1
dcl_blendweight v2
dcl_texcoord0 v3
dcl_position o0
dcl_texcoord0 o1.xy
dcl_2d s0
mova a0.x, v1.x
m4x3 r0.xyz, v0, c[a0.x]          // first bone
mul r0.xyz, r0, v2.x
mova a0.x, v1.y
m4x3 r1.xyz, v0, c[a0.x]          // second bone
mad r0.xyz, r1, v2.y, r0
mov r0.w, c4.w
texldl r2, v3, s0                 /* height from the map */
mad r0.xyz, r2.x, c5, r0
m4x4 o0, r0, c0
mov o1.xy, v3
