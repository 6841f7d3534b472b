#pragma once
#include <string>

namespace nevra {

// Where updates come from and who must have signed them; set by the build.
struct TUpdateSite {
  // "host" or "host:port" of the plain-HTTP server that holds the version documents and the
  // installer.
  std::string Host;
  // The maker's home page, opened when a download fails.
  std::string HomePage;
  // The signing certificate's subject and issuer common names a downloaded installer must carry.
  // Empty: this build starts no downloaded installer at all.
  std::string PublisherSubject;
  std::string PublisherIssuer;

  std::string Url(const std::string& APath) const { return "http://" + Host + APath; }
};

inline constexpr const char* kVersionDocumentPath = "/download/version/nevraautoclicker-version.html";
inline constexpr const char* kChangeLogPath = "/download/version/nevraautoclicker-changes.html";
inline constexpr const char* kInstallerPath = "/download/nevraautoclicker.exe";

// What the maker's server sees of us.
inline constexpr const char* kUpdateUserAgent = "Mozilla/4.0 (compatible; MyApp)";

}  // namespace nevra
