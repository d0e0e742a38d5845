// ps_1_4: dependent bump lookup in two phases
ps_1_4
def c0, 0.5, 0.5, 0.5, 1.0
texld r0, t0
texcrd r1.xyz, t1
dp3_sat r2, r0_bx2, r1_bx2        // N.L from the normal map
phase
texld r3, t0
mul r0.rgb, r3, r2
+mov r0.a, c0.a
mad_x2 r0.rgb, r0, c1, c0
