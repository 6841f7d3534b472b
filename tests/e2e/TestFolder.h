#pragma once
#include <filesystem>
#include <string>

namespace nevra::e2e {

// A fresh, empty folder in the temporary folder, removed with everything in it on destruction.
class TTestFolder {
 public:
  explicit TTestFolder(const std::string& APurpose);
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;
  ~TTestFolder();

  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

}  // namespace nevra::e2e
