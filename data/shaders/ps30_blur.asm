// ps_3_0: four-tap blur in a loop, with a predicated extra tap
ps_3_0
dcl_texcoord0 v0.xy
dcl_2d s0
defi i0, 4, 0, 1, 0
def c0, 0.25, 0.0, 0.0, 0.0
mov r0, c0.y
mov r1.xy, v0
loop aL, i0
    texld r2, r1, s0
    add r0, r0, r2
    add r1.x, r1.x, c1.x
endloop
mul r0, r0, c0.x
setp_gt p0.x, r0.w, c0.y
if p0.x
    texldl r3, r1, s0
    mul r0.rgb, r0, r3
endif
mov_sat oC0, r0
