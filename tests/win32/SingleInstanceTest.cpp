// One copy per session against the real API: the session's mutex, the message-only window a
// later copy finds, and WM_COPYDATA checked before any of it is believed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "MessageWait.h"
#include "app/CommandLine.h"
#include "platform/EventDispatcher.h"
#include "platform/ForwardedArguments.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/services/Win32SingleInstance.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using TArguments = std::vector<std::string>;

// The tag our WM_COPYDATA carries ("NVA1"), as a later copy sends it.
constexpr ULONG_PTR kTag = 0x4E564131;

class Win32SingleInstance : public ::testing::Test {
 protected:
  // A name of the tests' own: a program running on the machine is never met.
  static constexpr const wchar_t* kName = L"NevraSingleInstanceTest";

  std::unique_ptr<TWin32SingleInstance> Make() { return std::make_unique<TWin32SingleInstance>(Dispatcher, kName); }

  // A first copy whose receiver notes what arrives and answers AAnswer.
  std::unique_ptr<TWin32SingleInstance> MakeFirstCopy(int AAnswer) {
    auto First = Make();
    EXPECT_TRUE(First->Claim());
    First->SetReceiver([this, AAnswer](const TArguments& AArguments) {
      Received.push_back(AArguments);
      return AAnswer;
    });
    return First;
  }

  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  std::vector<TArguments> Received;
};

TEST_F(Win32SingleInstance, OnlyTheFirstClaimsAndARefusedCopyDoesNotHoldTheSession) {
  auto First = Make();
  ASSERT_TRUE(First->Claim());
  auto Later = Make();
  EXPECT_FALSE(Later->Claim());

  First.reset();
  EXPECT_TRUE(Make()->Claim()) << "the session stays taken while a refused copy lives";
}

TEST_F(Win32SingleInstance, ForwardReachesTheReceiverAndReturnsItsAnswer) {
  struct TCase {
    TArguments Arguments;
    int Answer;
  };
  const TCase Cases[] = {
      {{"/play", "Zwei Klicks \xC3\xBC \xF0\x9F\x96\xB1", "/repeat", "2"}, kExitDone},
      {{}, kExitDone},
      {{"", "/start", ""}, kExitBadArguments},
      {{"/play", "Twin"}, kAnswerAmbiguousMacro},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Answer);
    Received.clear();
    auto First = MakeFirstCopy(C.Answer);
    auto Later = Make();
    ASSERT_FALSE(Later->Claim());
    EXPECT_EQ(Later->Forward(C.Arguments), C.Answer);
    EXPECT_EQ(Received, std::vector<TArguments>{C.Arguments});
  }
}

TEST_F(Win32SingleInstance, ALaterCopyWaitsForAFirstCopyThatMakesItsWindowAfterItStartedAsking) {
  const THandleOwner Claimed(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const THandleOwner Asking(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::atomic<bool> Answered{false};
  TArguments ReceivedThere;
  std::thread FirstCopy([&] {
    TWin32SingleInstance First(Dispatcher, kName);
    First.Claim();
    SetEvent(Claimed.Get());
    WaitForSingleObject(Asking.Get(), 10000);
    First.SetReceiver([&](const TArguments& AArguments) {
      ReceivedThere = AArguments;
      return kExitNoSuchMacro;
    });
    tools::WaitUntil([&] { return Answered.load(); }, 20s);
  });
  ASSERT_EQ(WaitForSingleObject(Claimed.Get(), 10000), WAIT_OBJECT_0);
  auto Later = Make();
  EXPECT_FALSE(Later->Claim());
  SetEvent(Asking.Get());
  EXPECT_EQ(Later->Forward({"/play", "Nothing"}), kExitNoSuchMacro);
  Answered = true;
  FirstCopy.join();
  EXPECT_EQ(ReceivedThere, (TArguments{"/play", "Nothing"}));
}

TEST_F(Win32SingleInstance, NoAnswerComesWhenTheReceiverIsGoneOrFails) {
  auto First = MakeFirstCopy(kExitDone);
  auto Later = Make();
  First->SetReceiver([](const TArguments&) -> int { throw std::runtime_error("The macro file is locked"); });
  EXPECT_EQ(Later->Forward({"/start"}), std::nullopt);
  ASSERT_EQ(Dialogs.Shown.size(), 1u) << "the failure is shown, as for any other event";
  EXPECT_EQ(Dialogs.Shown[0].Text, "The macro file is locked");

  First->SetReceiver(nullptr);
  EXPECT_EQ(Later->Forward({"/start"}), std::nullopt);
}

TEST_F(Win32SingleInstance, CopyDataThatALaterCopyCannotSendIsRefusedUnread) {
  auto First = MakeFirstCopy(kExitDone);
  const HWND Window = FindWindowExW(HWND_MESSAGE, nullptr, kName, nullptr);
  ASSERT_NE(Window, nullptr) << "no message-only window of the class";
  std::string Oversized = PackArguments({std::string(kMostForwardedBytes - 1, 'x')}) + "y"s + '\0';
  std::string Valid = "/start\0"s, Unended = "/start"s, BadUtf8 = "/play\0\xC0\xAF\0"s;
  struct TCase {
    const char* Name;
    ULONG_PTR Tag;
    std::string* Data;
    DWORD Size;
  };
  const TCase Cases[] = {
      {"another tag", kTag + 1, &Valid, static_cast<DWORD>(Valid.size())},
      {"the last argument not ended", kTag, &Unended, static_cast<DWORD>(Unended.size())},
      {"not UTF-8", kTag, &BadUtf8, static_cast<DWORD>(BadUtf8.size())},
      {"too long", kTag, &Oversized, static_cast<DWORD>(Oversized.size())},
      {"bytes announced, none given", kTag, nullptr, 8},
  };
  for (const TCase& C : Cases) {
    COPYDATASTRUCT Copy{C.Tag, C.Size, C.Data != nullptr ? C.Data->data() : nullptr};
    EXPECT_EQ(SendMessageW(Window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&Copy)), 0) << C.Name;
  }
  EXPECT_TRUE(Received.empty());

  COPYDATASTRUCT Copy{kTag, static_cast<DWORD>(Valid.size()), Valid.data()};
  EXPECT_NE(SendMessageW(Window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&Copy)), 0) << "well-formed data is taken";
  EXPECT_EQ(Received, std::vector<TArguments>{{"/start"}});
}

}  // namespace
}  // namespace nevra::win32
