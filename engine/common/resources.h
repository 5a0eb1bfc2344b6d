// The executable's resources as files in the game folder's res/ folder, one file per resource:
//   res/bitmap/<id>.dib  a bitmap (a DIB without its file header)
//   res/dds/<id>.dds     a "DDS" resource (a whole DDS file)
//   res/wave/<name>      a "WAVE" resource by name: lower case, '\\' and '/' turned into '_'
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ResourceType { Bitmap, Dds, Wave };

// The resource's bytes, or nothing when it does not exist.
std::optional<std::vector<std::uint8_t>> FindResource(ResourceType type, int id);
std::optional<std::vector<std::uint8_t>> FindResource(ResourceType type, std::string_view name);

// The file a resource lives in, relative to the game folder ("res/bitmap/526.dib").
std::string ResourcePath(ResourceType type, int id);
std::string ResourcePath(ResourceType type, std::string_view name);
