#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vorla::sim {

// The update the service offers (`getupdinf`, `dlupd`) and the faults of its answers.
struct SimUpdate {
  // 1: a web address; 2: an installer; 3: a file that is not installed.
  std::uint8_t status = 1;
  // The running client's own version by default, so nothing newer is offered.
  std::array<std::uint8_t, 4> version{3, 1, 2, 0};
  std::string address = "https://www.vorla.example/download/";
  std::string installerName = "VorlaToolSetup.exe";
  std::string installer;
  // How many characters of the installer's MD5 digest (lower-case hexadecimal) are sent;
  // above 32 the digest is followed by "0"s.
  std::size_t digestLength = 32;

  // Faults: the download stops one byte short; its first byte is inverted; the installer
  // is offered as "../" and its name; the address is offered as a file: one.
  bool shortDownload = false;
  bool flippedByte = false;
  bool traversalName = false;
  bool fileAddress = false;

  // Offers the installer (status 2) or the file (3) in the given version.
  void OfferInstaller(std::array<std::uint8_t, 4> newer, std::string name, std::string bytes,
                      std::uint8_t offer = 2) {
    status = offer;
    version = newer;
    installerName = std::move(name);
    installer = std::move(bytes);
  }
};

}  // namespace vorla::sim
