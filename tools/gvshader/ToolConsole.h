#pragma once
// The tool's files and standard streams. Names and text are UTF-8 inside the
// tool; Windows takes names as UTF-16 and gets console text as UTF-16, while
// redirected output stays the same UTF-8 bytes, "\n" line ends included, as
// on other systems.
#include <cstdio>
#include <string>

namespace gvshader {

std::FILE* OpenFile(const std::string& path, const char* mode);

// Windows: standard output and error in binary mode. Elsewhere nothing.
void PrepareStandardStreams();

void WriteText(std::FILE* stream, const std::string& text);

} // namespace gvshader
