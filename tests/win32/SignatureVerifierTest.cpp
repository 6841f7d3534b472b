// Authenticode checks on files run.sh signs with throwaway certificates (scripts/test-signing.sh):
// the signer's names, and a clear sentence for each way a file can fail.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "TempFolder.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/http/Win32SignatureVerifier.h"
#include "platform/win32/services/Win32Environment.h"

namespace nevra::win32 {
namespace {

// The folder with unsigned.exe, signed.exe (by "Nevra Test Publisher", issued by "Nevra Test CA"),
// tampered.exe (signed.exe with a byte of its code changed) and other.exe (signed by "Someone
// Else"); empty when run.sh could not make them.
std::filesystem::path SignedFilesFolder() {
  return std::filesystem::path(Widen(TWin32Environment().GetVariable("NEVRA_SIGNED_FILES")));
}

struct TSignatureCase {
  const char* Name;
  const wchar_t* File;
  // Checked under a copy whose name needs UTF-16 to survive.
  bool CopyToNonAsciiName;
  const char* Subject;
  const char* Issuer;
  // How the error message starts; nullptr when the check passes.
  const char* Error;
};
void PrintTo(const TSignatureCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32SignatureVerifier : public ::testing::TestWithParam<TSignatureCase> {};

TEST_P(Win32SignatureVerifier, NamesTheSignerOrSaysWhyNot) {
  const TSignatureCase& Case = GetParam();
  const std::filesystem::path Folder = SignedFilesFolder();
  if (Folder.empty())
    GTEST_SKIP() << "no signed files: run the tier with tests/win32/run.sh (needs openssl, osslsigncode)";
  std::filesystem::path File = Folder / Case.File;
  tools::TTempFolder Copies;
  if (Case.CopyToNonAsciiName) {
    const std::filesystem::path Copy = Copies / L"\u00dcberpr\u00fcfung-\u4e2d.exe";
    std::filesystem::copy_file(File, Copy);
    File = Copy;
  }

  TWin32SignatureVerifier Verifier;
  if (Case.Error == nullptr) {
    const TSignerNames Names = Verifier.VerifiedSigner(Narrow(File.wstring()));
    EXPECT_EQ(Names.Subject, Case.Subject);
    EXPECT_EQ(Names.Issuer, Case.Issuer);
    return;
  }
  try {
    const TSignerNames Names = Verifier.VerifiedSigner(Narrow(File.wstring()));
    ADD_FAILURE() << "passed, signed by " << Names.Subject;
  } catch (const ESignatureError& AError) {
    EXPECT_EQ(std::string(AError.what()).rfind(Case.Error, 0), 0u) << AError.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Win32SignatureVerifier,
    ::testing::Values(
        TSignatureCase{"Signed", L"signed.exe", false, "Nevra Test Publisher", "Nevra Test CA", nullptr},
        TSignatureCase{"SignedUnderANonAsciiName", L"signed.exe", true, "Nevra Test Publisher", "Nevra Test CA",
                       nullptr},
        TSignatureCase{"SignedBySomeoneElse", L"other.exe", false, "Someone Else", "Nevra Test CA", nullptr},
        TSignatureCase{"Unsigned", L"unsigned.exe", false, nullptr, nullptr, "The file is not signed."},
        TSignatureCase{"ChangedAfterSigning", L"tampered.exe", false, nullptr, nullptr,
                       "The file was changed after it was signed."},
        TSignatureCase{"Missing", L"missing.exe", false, nullptr, nullptr, "The file could not be opened."}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

}  // namespace
}  // namespace nevra::win32
