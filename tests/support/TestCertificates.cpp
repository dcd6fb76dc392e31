#include "support/TestCertificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>
#include <stdexcept>

namespace vorla::test {

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;

void Require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("test certificate: ") + what);
}

Key NewKey() {
  Key key(EVP_EC_gen("P-256"), &EVP_PKEY_free);
  Require(key != nullptr, "key generation");
  return key;
}

void AddExtension(X509* certificate, X509* issuer, int nid, const std::string& value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
  Require(extension != nullptr, "extension");
  X509_add_ext(certificate, extension, -1);
  X509_EXTENSION_free(extension);
}

Certificate NewCertificate(EVP_PKEY* subjectKey, const char* commonName, long serial) {
  Certificate certificate(X509_new(), &X509_free);
  Require(certificate != nullptr, "allocation");
  X509_set_version(certificate.get(), 2);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), serial);
  X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
  X509_gmtime_adj(X509_getm_notAfter(certificate.get()), 24 * 3600);
  X509_set_pubkey(certificate.get(), subjectKey);
  X509_NAME* name = X509_get_subject_name(certificate.get());
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>(commonName), -1, -1, 0);
  return certificate;
}

std::string ToPem(X509* certificate) {
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), &BIO_free);
  Require(PEM_write_bio_X509(bio.get(), certificate) == 1, "PEM");
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio.get(), &data);
  return std::string(data, static_cast<std::size_t>(size));
}

std::string ToPem(EVP_PKEY* key) {
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), &BIO_free);
  Require(PEM_write_bio_PrivateKey(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr) == 1,
          "PEM");
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio.get(), &data);
  return std::string(data, static_cast<std::size_t>(size));
}

}  // namespace

struct TestAuthority::Keys {
  Key key = NewKey();
  Certificate certificate{nullptr, &X509_free};
};

TestAuthority::TestAuthority() : keys_(std::make_unique<Keys>()) {
  keys_->certificate = NewCertificate(keys_->key.get(), "Vorla Test CA", 1);
  X509* ca = keys_->certificate.get();
  X509_set_issuer_name(ca, X509_get_subject_name(ca));
  AddExtension(ca, ca, NID_basic_constraints, "critical,CA:TRUE");
  AddExtension(ca, ca, NID_key_usage, "critical,keyCertSign,cRLSign");
  AddExtension(ca, ca, NID_subject_key_identifier, "hash");
  Require(X509_sign(ca, keys_->key.get(), EVP_sha256()) > 0, "signing");
  certificatePem_ = ToPem(ca);
}

TestAuthority::~TestAuthority() = default;

IssuedCertificate TestAuthority::Issue(const std::vector<std::string>& alternativeNames) const {
  Key key = NewKey();
  Certificate certificate = NewCertificate(key.get(), "Vorla Test Server", 2);
  X509* server = certificate.get();
  X509* ca = keys_->certificate.get();
  X509_set_issuer_name(server, X509_get_subject_name(ca));
  std::string names;
  for (const std::string& name : alternativeNames)
    names += (names.empty() ? "" : ",") + name;
  AddExtension(server, ca, NID_subject_alt_name, names);
  AddExtension(server, ca, NID_basic_constraints, "CA:FALSE");
  AddExtension(server, ca, NID_ext_key_usage, "serverAuth");
  AddExtension(server, ca, NID_authority_key_identifier, "keyid");
  Require(X509_sign(server, keys_->key.get(), EVP_sha256()) > 0, "signing");
  return {ToPem(server), ToPem(key.get())};
}

}  // namespace vorla::test
