// The command line: every option, its spellings, and what bad input gives.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include "i18n/Translation.h"

namespace nevra {
namespace {

using A = TCommandAction;

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() { GTranslations() = TTranslations(); }
};

TEST_F(CommandLineTest, EveryOptionInAnySpelling) {
  struct TCase {
    std::vector<std::string> Arguments;
    TCommand Command;
  };
  const TCase Cases[] = {
      {{}, {}},
      {{"/start"}, {A::caStart, "", {}, false, {}}},
      {{"--STOP"}, {A::caStop, "", {}, false, {}}},
      {{"/Toggle"}, {A::caToggle, "", {}, false, {}}},
      {{"/record"}, {A::caRecord, "", {}, false, {}}},
      {{"/minimized"}, {A::caNone, "", {}, true, {}}},
      {{"/minimized", "/start"}, {A::caStart, "", {}, true, {}}},
      {{"/play", "Open menu"}, {A::caPlay, "Open menu", {}, false, {}}},
      {{"--play", "/odd name", "/repeat", "3"}, {A::caPlay, "/odd name", 3u, false, {}}},
      {{"/REPEAT", "65535", "/play", "x"}, {A::caPlay, "x", 65535u, false, {}}},
      {{"/play", "x", "/until-stopped"}, {A::caPlay, "x", {}, false, {}}},
      {{"/play", "x", "--Speed", "25", "/repeat", "2"}, {A::caPlay, "x", 2u, false, 25u}},
      {{"/speed", "1000", "/play", "x"}, {A::caPlay, "x", {}, false, 1000u}},
      {{"/help"}, {A::caHelp, "", {}, false, {}}},
      {{"/?"}, {A::caHelp, "", {}, false, {}}},
      {{"/start", "/stop", "/?"}, {A::caHelp, "", {}, false, {}}},
  };
  for (const TCase& C : Cases) {
    const auto Parsed = ParseCommandLine(C.Arguments);
    ASSERT_TRUE(std::holds_alternative<TCommand>(Parsed))
        << ::testing::PrintToString(C.Arguments) << ": " << std::get<TCommandLineError>(Parsed).Message;
    EXPECT_EQ(std::get<TCommand>(Parsed), C.Command) << ::testing::PrintToString(C.Arguments);
  }
}

TEST_F(CommandLineTest, BadInputIsNamed) {
  const std::pair<std::vector<std::string>, const char*> Cases[] = {
      {{"/begin"}, "Unknown option: /begin"},
      {{"start"}, "Unknown option: start"},
      {{"-start"}, "Unknown option: -start"},
      {{"/"}, "Unknown option: /"},
      {{"/play"}, "The option /play needs a value."},
      {{"/play", "x", "/repeat"}, "The option /repeat needs a value."},
      {{"/play", "x", "/repeat", "0"}, "/repeat needs a whole number from 1 to 65535, not \"0\"."},
      {{"/play", "x", "/repeat", "65536"}, "/repeat needs a whole number from 1 to 65535, not \"65536\"."},
      {{"/play", "x", "/repeat", "two"}, "/repeat needs a whole number from 1 to 65535, not \"two\"."},
      {{"/play", "x", "/repeat", "2", "/until-stopped"},
       "These options cannot be used together: /repeat, /until-stopped"},
      {{"/start", "/stop"}, "These options cannot be used together: /start, /stop"},
      {{"/start", "/repeat", "2"}, "These options cannot be used together: /start, /repeat"},
      {{"/until-stopped"}, "These options cannot be used together: /until-stopped"},
      {{"/play", "x", "/speed"}, "The option /speed needs a value."},
      {{"/play", "x", "/speed", "24"}, "/speed needs a whole number from 25 to 1000 (percent), not \"24\"."},
      {{"/play", "x", "/speed", "1001"}, "/speed needs a whole number from 25 to 1000 (percent), not \"1001\"."},
      {{"/play", "x", "/speed", "1.5"}, "/speed needs a whole number from 25 to 1000 (percent), not \"1.5\"."},
      {{"/play", "x", "/speed", "50", "/speed", "200"}, "These options cannot be used together: /speed, /speed"},
      {{"/record", "/speed", "50"}, "These options cannot be used together: /record, /speed"},
  };
  for (const auto& [Arguments, Message] : Cases) {
    const auto Parsed = ParseCommandLine(Arguments);
    ASSERT_TRUE(std::holds_alternative<TCommandLineError>(Parsed)) << ::testing::PrintToString(Arguments);
    EXPECT_EQ(std::get<TCommandLineError>(Parsed).Message, Message);
  }
}

}  // namespace
}  // namespace nevra
