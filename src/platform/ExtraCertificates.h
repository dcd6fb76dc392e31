#pragma once

#include <filesystem>
#include <string>

namespace vorla {

// Certificates trusted in addition to the system's (a private CA), kept as PEM text.
class ExtraCertificates {
 public:
  ExtraCertificates() = default;
  // Reads the file; a file that cannot be read adds nothing.
  explicit ExtraCertificates(const std::filesystem::path& pemFile);

  bool empty() const { return pem_.empty(); }
  // Adds every certificate to the verification store of an OpenSSL context (an SSL_CTX*);
  // false when the text holds no certificate that could be added.
  bool AddTo(void* sslContext) const;

 private:
  std::string pem_;
};

}  // namespace vorla
