#pragma once

#include <filesystem>

namespace keyloom::testing {

// Expects a rendered PNG to match its committed golden image, allowing a
// small difference for font rasterisation: a pixel counts as different when
// one channel is off by more than 32, and at most one pixel in 500 may be.
//
// With KEYLOOM_UPDATE_GOLDENS=1 in the environment the rendering is written
// over the golden instead; look at every such image before committing it.
void expectMatchesGoldenFile(const std::filesystem::path& rendered, const std::filesystem::path& golden);

}  // namespace keyloom::testing
