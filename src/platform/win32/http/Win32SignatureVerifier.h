#pragma once
#include "platform/Signature.h"

namespace nevra::win32 {

// Authenticode checks with WinVerifyTrust (the generic verify action: the file's signature, its
// digest and the chain to a trusted root; no UI, no revocation check).
class TWin32SignatureVerifier final : public ISignatureVerifier {
 public:
  TSignerNames VerifiedSigner(const std::string& APath) override;
};

}  // namespace nevra::win32
