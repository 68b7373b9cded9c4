#pragma once
// Files compiled into the program from resources/ (the built-in settings,
// tool descriptions, sounds and help topics).
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kmpx {

struct EmbeddedResourceRow {
  const char* type;
  const char* name;
  const unsigned char* data;
  const std::size_t* size;
};

// Provided by the generated resource library linked into each program.
std::span<const EmbeddedResourceRow> EmbeddedResourceTable();

// Resource names are matched without regard to case.
std::optional<std::string_view> FindEmbeddedResource(std::string_view type, std::string_view name);
// Writes the resource to path, replacing any file there; false when the
// resource is missing or the path cannot be written (the caller reports it).
bool ExtractResourceFile(std::string_view type, std::string_view name, const std::string& path);

}  // namespace kmpx
