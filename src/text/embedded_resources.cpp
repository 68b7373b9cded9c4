#include "text/embedded_resources.h"

#include "text/cp1251.h"
#include "text/text_file.h"

namespace kmpx {

std::optional<std::string_view> FindEmbeddedResource(std::string_view type, std::string_view name) {
  for (const auto& row : EmbeddedResourceTable()) {
    if (SameTextAnsi(row.type, type) && SameTextAnsi(row.name, name))
      return std::string_view(reinterpret_cast<const char*>(row.data), *row.size);
  }
  return std::nullopt;
}

bool ExtractResourceFile(std::string_view type, std::string_view name, const std::string& path) {
  const auto data = FindEmbeddedResource(type, name);
  return data && WriteFileAtomically(path, *data);
}

}  // namespace kmpx
