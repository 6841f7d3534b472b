#pragma once
#include <stdexcept>
#include <string>

namespace nevra {

// A file whose code signature cannot be trusted; what() says why in a sentence.
class ESignatureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Who signed a file: the simple display names (the common name, as Windows shows it) of the
// signing certificate's subject and of its issuer.
struct TSignerNames {
  std::string Subject;
  std::string Issuer;
};

class ISignatureVerifier {
 public:
  virtual ~ISignatureVerifier() = default;
  // Checks the file's Authenticode signature with the system's trust provider (no UI, no
  // revocation prompt) and names the signer. Throws ESignatureError when the file is unsigned,
  // was altered after signing, or its signature is otherwise not trusted.
  virtual TSignerNames VerifiedSigner(const std::string& APath) = 0;
};

}  // namespace nevra
