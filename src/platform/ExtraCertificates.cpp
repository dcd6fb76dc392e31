#include "platform/ExtraCertificates.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace vorla {

ExtraCertificates::ExtraCertificates(const std::filesystem::path& pemFile) {
  if (pemFile.empty()) return;
  std::ifstream in(pemFile, std::ios::binary);
  pem_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ExtraCertificates::AddTo(void* sslContext) const {
  X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(
      BIO_new_mem_buf(pem_.data(), static_cast<int>(pem_.size())), &BIO_free);
  if (!store || !bio) return false;
  int added = 0;
  while (X509* certificate = PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr)) {
    if (X509_STORE_add_cert(store, certificate) == 1) ++added;
    X509_free(certificate);
  }
  // The end of the text leaves a "no start line" error behind; libcurl reads that queue.
  ERR_clear_error();
  return added > 0;
}

}  // namespace vorla
