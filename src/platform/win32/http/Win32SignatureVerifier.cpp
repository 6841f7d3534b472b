#include "platform/win32/http/Win32SignatureVerifier.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <cstdio>

#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {

// One WinVerifyTrust verification whose state (the signer's certificates among it) lives until
// this object goes; it is then released with WTD_STATEACTION_CLOSE, whatever the outcome.
class TTrustVerification {
 public:
  TTrustVerification(const std::wstring& APath, HANDLE AFile) {
    FFile.cbStruct = sizeof(FFile);
    FFile.pcwszFilePath = APath.c_str();
    FFile.hFile = AFile;
    FData.cbStruct = sizeof(FData);
    FData.dwUIChoice = WTD_UI_NONE;
    FData.fdwRevocationChecks = WTD_REVOKE_NONE;
    FData.dwUnionChoice = WTD_CHOICE_FILE;
    FData.pFile = &FFile;
    FData.dwStateAction = WTD_STATEACTION_VERIFY;
    FStatus = ::WinVerifyTrust(nullptr, &FAction, &FData);
  }
  ~TTrustVerification() {
    FData.dwStateAction = WTD_STATEACTION_CLOSE;
    ::WinVerifyTrust(nullptr, &FAction, &FData);
  }
  TTrustVerification(const TTrustVerification&) = delete;
  TTrustVerification& operator=(const TTrustVerification&) = delete;

  LONG Status() const { return FStatus; }
  // The certificate that signed the file; nullptr when the state holds none.
  PCCERT_CONTEXT SignerCertificate() const {
    CRYPT_PROVIDER_DATA* Provider = ::WTHelperProvDataFromStateData(FData.hWVTStateData);
    CRYPT_PROVIDER_SGNR* Signer = Provider ? ::WTHelperGetProvSignerFromChain(Provider, 0, FALSE, 0) : nullptr;
    CRYPT_PROVIDER_CERT* Certificate = Signer ? ::WTHelperGetProvCertFromChain(Signer, 0) : nullptr;
    return Certificate ? Certificate->pCert : nullptr;
  }

 private:
  GUID FAction = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  WINTRUST_FILE_INFO FFile{};
  WINTRUST_DATA FData{};
  LONG FStatus = 0;
};

std::string SimpleDisplayName(PCCERT_CONTEXT ACertificate, DWORD AFlags) {
  const DWORD Length = ::CertGetNameStringW(ACertificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, AFlags, nullptr, nullptr, 0);
  if (Length <= 1) return {};
  std::wstring Name(Length, L'\0');
  ::CertGetNameStringW(ACertificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, AFlags, nullptr, Name.data(), Length);
  Name.resize(Length - 1);  // the count includes the terminator
  return Narrow(Name);
}

std::string TrustFailureText(LONG AStatus) {
  switch (static_cast<HRESULT>(AStatus)) {
    case TRUST_E_NOSIGNATURE:
    case TRUST_E_SUBJECT_FORM_UNKNOWN:
    case TRUST_E_PROVIDER_UNKNOWN: return "The file is not signed.";
    case TRUST_E_BAD_DIGEST: return "The file was changed after it was signed.";
    default: {
      char Code[16];
      std::snprintf(Code, sizeof(Code), "0x%08lX", static_cast<unsigned long>(static_cast<DWORD>(AStatus)));
      return std::string("The file's signature is not trusted (error ") + Code + ").";
    }
  }
}

}  // namespace

TSignerNames TWin32SignatureVerifier::VerifiedSigner(const std::string& APath) {
  const std::wstring Path = Widen(APath);
  // Opened here, so that a missing or locked file says so rather than passing for an unsigned
  // one, and so that the file checked is the one opened (held open until the check is done).
  const THandleOwner File(::CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!File) throw ESignatureError("The file could not be opened. " + SystemErrorText(::GetLastError()));
  const TTrustVerification Verification(Path, File.Get());
  if (Verification.Status() != ERROR_SUCCESS) throw ESignatureError(TrustFailureText(Verification.Status()));
  const PCCERT_CONTEXT Signer = Verification.SignerCertificate();
  if (Signer == nullptr) throw ESignatureError("The file's signer could not be determined.");
  return TSignerNames{SimpleDisplayName(Signer, 0), SimpleDisplayName(Signer, CERT_NAME_ISSUER_FLAG)};
}

}  // namespace nevra::win32
