#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorla::test {

struct IssuedCertificate {
  std::string certificatePem;
  std::string keyPem;
};

// A throw-away certificate authority for the HTTPS tests, made fresh in memory (EC P-256
// keys, valid from an hour ago for a day).
class TestAuthority {
 public:
  TestAuthority();
  ~TestAuthority();
  TestAuthority(const TestAuthority&) = delete;
  TestAuthority& operator=(const TestAuthority&) = delete;

  const std::string& CertificatePem() const { return certificatePem_; }
  // A server certificate for the subject alternative names ("IP:127.0.0.1",
  // "DNS:localhost").
  IssuedCertificate Issue(const std::vector<std::string>& alternativeNames) const;

 private:
  struct Keys;
  std::unique_ptr<Keys> keys_;
  std::string certificatePem_;
};

}  // namespace vorla::test
