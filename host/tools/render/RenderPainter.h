// Draws a render scene with cairo into an SVG or PNG file, chosen by the file's extension.
#pragma once

#include <filesystem>
#include <optional>

#include "RenderScene.h"

namespace tolvar {

enum class PictureFormat { Svg, Png };

// By the file's extension, in any case; nullopt for any other.
std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file);

// Throws HostError for another extension or when the file cannot be written.
void paintToFile(const RenderScene& scene, const std::filesystem::path& file);

}  // namespace tolvar
