// A later copy's command line on its way to the first copy: packed by one process, checked and
// unpacked by another that trusts none of it.
#include "platform/ForwardedArguments.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace nevra {
namespace {

using namespace std::string_literals;
using TArguments = std::vector<std::string>;

TEST(ForwardedArguments, EveryCommandLineComesBackAsPacked) {
  const TArguments Cases[] = {
      {},
      {""},
      {"/play", "Zwei Klicks \xC3\xBC \xF0\x9F\x96\xB1", "/repeat", "2"},
      {"", "/start", ""},
      {std::string(kMostForwardedBytes - 1, 'x')},
  };
  for (const TArguments& Arguments : Cases) {
    SCOPED_TRACE(Arguments.size());
    const std::string Packed = PackArguments(Arguments);
    EXPECT_EQ(UnpackArguments(Packed), Arguments);
  }
  EXPECT_EQ(PackArguments({"/stop", ""}), "/stop\0\0"s) << "the documented layout";
}

TEST(ForwardedArguments, WhatNoCommandLineCanHoldIsNotPacked) {
  EXPECT_THROW(PackArguments({"a\0b"s}), std::invalid_argument);
  EXPECT_THROW(PackArguments({std::string(kMostForwardedBytes, 'x')}), std::invalid_argument);
}

TEST(ForwardedArguments, DataThatPackingCannotMakeIsRefused) {
  const std::string Cases[] = {
      "/start"s,                                      // no NUL at the end
      "/start\0/stop"s,                               // the last argument not ended
      "/play\0\xC3\0"s,                               // a character cut off
      "/play\0\xED\xA0\x80\0"s,                       // a surrogate
      "/play\0\xC0\xAF\0"s,                           // an overlong form
      std::string(kMostForwardedBytes, '\0') + '\0',  // too long, though every byte is allowed
  };
  for (const std::string& Data : Cases) EXPECT_FALSE(UnpackArguments(Data)) << Data.substr(0, 16);
}

}  // namespace
}  // namespace nevra
