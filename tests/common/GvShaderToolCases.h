#pragma once
// Runs of gvshader whose exact results both the native tool and gvshader.exe
// must give. Paths are relative to the data folder, where each run starts.
#include <string>
#include <vector>

struct GvShaderToolCase
{
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string err;
};

inline const std::vector<GvShaderToolCase>& GvShaderToolCases()
{
    static const std::vector<GvShaderToolCase> cases = {
        {{"count", "--keywords", "keywords/asm.kwd", "shaders/ps11_detail.asm", "shaders/vs30_skinning.asm"},
         0,
         "shaders/ps11_detail.asm: 5 arithmetic, 2 texture slots (ps_1_1)\n"
         "shaders/vs30_skinning.asm: 17 arithmetic, 2 texture slots (vs_3_0)\n",
         ""},
        {{"count", "--rules", "compiler", "--limits", "shaders/ps14_bump.asm", "shaders/ps30_blur.asm"},
         0,
         "shaders/ps14_bump.asm: 3 arithmetic, 3 texture slots (ps_1_4; compiler rules; limits: 16 arithmetic, 12 "
         "texture; within)\n"
         "shaders/ps30_blur.asm: 17 arithmetic, 3 texture slots (ps_3_0; compiler rules; limits: 512 slots in all; "
         "within)\n",
         ""},
        {{"count", "--lines", "--rules=compiler", "shaders/vs20_wave.asm"},
         0,
         "shaders/vs20_wave.asm:2: 0 arithmetic, 0 texture; total 0, 0: vs_2_0\n"
         "shaders/vs20_wave.asm:3: 0 arithmetic, 0 texture; total 0, 0: dcl_position v0\n"
         "shaders/vs20_wave.asm:4: 0 arithmetic, 0 texture; total 0, 0: dcl_texcoord0 v1\n"
         "shaders/vs20_wave.asm:5: 0 arithmetic, 0 texture; total 0, 0: def c10, 0.0, 1.0, 0.5, 6.2831853\n"
         "shaders/vs20_wave.asm:6: 1 arithmetic, 0 texture; total 1, 0: mul r0.x, v0.x, c8.x\n"
         "shaders/vs20_wave.asm:7: 1 arithmetic, 0 texture; total 2, 0: add r0.x, r0.x, c8.y\n"
         "shaders/vs20_wave.asm:8: 8 arithmetic, 0 texture; total 10, 0: sincos r1.xy, r0.x, c11, c12\n"
         "shaders/vs20_wave.asm:9: 1 arithmetic, 0 texture; total 11, 0: mad r2, r1.y, c9, v0\n"
         "shaders/vs20_wave.asm:10: 4 arithmetic, 0 texture; total 15, 0: m4x4 oPos, r2, c0\n"
         "shaders/vs20_wave.asm:11: 1 arithmetic, 0 texture; total 16, 0: mov oT0.xy, v1\n"
         "shaders/vs20_wave.asm: 16 arithmetic, 0 texture slots (vs_2_0; compiler rules)\n",
         ""},
        {{"count", "--keywords", "keywords/asm.kwd", "--model", "ps_2_0", "--json", "shaders/vs11_lighting.asm"},
         0,
         "{\"file\": \"shaders/vs11_lighting.asm\", \"model\": 10, \"alu\": 14, \"tex\": 0}\n",
         "gvshader: warning: 'shaders/vs11_lighting.asm' is vs_1_1, counted as ps_2_0 (--model)\n"},
        {{"scan", "--keywords", "keywords/asm.kwd", "--lang", "asm", "shaders/ps14_bump.asm"},
         0,
         "ps_1_4\ndef\nc0\ntexld\nr0\nt0\ntexcrd\nr1\nt1\ndp3_sat\nr2\nphase\ntexld\nr3\nt0\nmul\nr0\nr3\nr2\nmov\nr0\n"
         "c0\nmad_x2\nr0\nr0\nc1\nc0\n",
         ""},
        // A name beyond ASCII comes back in UTF-8 as it was given.
        {{"count", "--rules", "compiler", "shaders/n\xC3\xB6t-th\xC3\xA9re\xE2\x82\xAC.asm"},
         2,
         "",
         "gvshader: cannot read shader file 'shaders/n\xC3\xB6t-th\xC3\xA9re\xE2\x82\xAC.asm'\n"},
    };
    return cases;
}
