#pragma once
// The round trip of a program file: the input written as `nombre`, the ranges
// `rangos` finds in it through its headers (each must lie in the file), then
// the version lookups the program makes on it: the start-up window's label
// and the string table the properties sheet shows.
#include <functional>
#include <optional>
#include <vector>

#include "version/binary_file.h"

int fuzzArchivoPrograma(const char* nombre, const uint8_t* data, size_t size,
                        const std::function<std::vector<std::optional<FileRange>>(BinaryFile&)>& rangos);
