#pragma once
// Named sections of an ELF file (the program file on Linux), 64- or 32-bit,
// little-endian.
#include <optional>
#include <string_view>

#include "version/binary_file.h"

// Where the data of the section called `name` lies in the file; nothing when
// the file is not an ELF file, has no such section or its headers point
// outside the file.
std::optional<FileRange> elfSection(BinaryFile& file, std::string_view name);
