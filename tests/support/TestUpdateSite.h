#pragma once
#include "update/UpdateSite.h"

namespace nevra::test {

// The update site the tests' builds point at, with the publisher the test certificates name.
inline const TUpdateSite kTestSite{"updates.nevra.test:8080", "https://www.nevra.test", "Nevra Test Publisher",
                                   "Nevra Test CA"};

}  // namespace nevra::test
