// ps_2_0: per-pixel Phong lighting
ps_2_0
dcl t0.xy
dcl t1.xyz
dcl t2.xyz
dcl_2d s0
def c3, 0.0, 0.0, 0.0, 32.0
texld r0, t0, s0
nrm r1.xyz, t1                    // normal
nrm r2.xyz, t2                    // light direction
dp3_sat r3.x, r1, r2
add r4.xyz, r1, r1
mul r4.xyz, r4, r3.x
sub r4.xyz, r4, r2                // reflected light
dp3_sat r5.x, r4, c2
pow r5.x, r5.x, c3.w              // specular power
mul r6, r0, c0
mul r6.rgb, r6, r3.x
mad r6.rgb, c1, r5.x, r6
mov oC0, r6
