#pragma once
#include <string>
#include <string_view>

namespace nevra {

// The host name of a web address: "https://www.example.org:8080/a" gives "www.example.org".
inline std::string WebsiteHost(std::string_view AUrl) {
  if (const auto Scheme = AUrl.find("://"); Scheme != std::string_view::npos) AUrl.remove_prefix(Scheme + 3);
  AUrl = AUrl.substr(0, AUrl.find_first_of("/?#"));
  if (const auto At = AUrl.rfind('@'); At != std::string_view::npos) AUrl.remove_prefix(At + 1);
  return std::string(AUrl.substr(0, AUrl.find(':')));
}

}  // namespace nevra
