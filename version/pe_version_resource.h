#pragma once
// The version resource of a Windows program file (PE): resource type 16
// (RT_VERSION), its first name, its first language.
#include <optional>

#include "version/binary_file.h"

// Where the resource's data lies in the file; nothing when the file is not a
// PE file, has no version resource or its headers point outside the file.
std::optional<FileRange> peVersionResource(BinaryFile& file);
