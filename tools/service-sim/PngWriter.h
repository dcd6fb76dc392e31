#pragma once

#include <cstdint>
#include <string>

namespace vorla::sim {

// A PNG picture of one colour (8-bit RGB).
std::string SolidPng(std::uint32_t width, std::uint32_t height, std::uint32_t rgb);

}  // namespace vorla::sim
