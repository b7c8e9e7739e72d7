#pragma once
// The files of res/ compiled into the program: pages, images, texts. Texts
// (.htm, .txt) are stored as GBK; images as they are.
#include <span>
#include <string_view>

namespace versilo {

struct ResourceEntry {
  std::string_view name;
  std::string_view bytes;
};

std::span<const ResourceEntry> AllResources();

// The bytes of a resource by its name, compared without regard to ASCII case
// (pages name their images in either case). Empty when there is none.
std::string_view FindResource(std::string_view name);

}  // namespace versilo
