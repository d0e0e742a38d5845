// ps_1_1: base texture modulated by a detail map
ps_1_1
tex t0
tex t1
mul_x2 r0, t0, t1                 // detail around 0.5 keeps the base
lrp r0.rgb, v0.a, r0, v0
+mov r0.a, t0.a
