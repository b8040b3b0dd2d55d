// The capture cycle on a real COM port of Wine against the device simulator
// (run through with-serial-peer.sh; LASIM_LOG names the simulator's log).
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analyzer/win/settings.h"
#include "analyzer/win/vnt.h"
#include "analyzer/win/win_serial_port.h"
#include "fake_port.h"
#include "win_test_util.h"

namespace {

using ::testing::ElementsAre;

const UserMessage kCannotRead{"Не удаётся произвести чтение!", "Ошибка!", MessageIcon::Error};
const UserMessage kNoDevice{"Не могу обнаружить устройство!", "Ошибка!", MessageIcon::Error};

struct Received {
  unsigned long long micros;
  int byte;
};

// The bytes the simulator has received so far, with their times.
std::vector<Received> ReceivedBytes() {
  std::vector<Received> result;
  std::ifstream in(std::getenv("LASIM_LOG"));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    unsigned long long micros = 0;
    std::string kind, value;
    fields >> micros >> kind >> value;
    if (kind == "rx") result.push_back({micros, static_cast<int>(std::strtol(value.c_str(), nullptr, 16))});
  }
  return result;
}

std::vector<int> Bytes(const std::vector<Received>& received, std::size_t from = 0) {
  std::vector<int> bytes;
  for (std::size_t i = from; i < received.size(); ++i) bytes.push_back(received[i].byte);
  return bytes;
}

unsigned long long UnixMicrosNow() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  const unsigned long long ticks = (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (ticks - 116444736000000000ULL) / 10;
}

std::string ConfigPath() {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "vantrel_lasim_test.cfg";
}

class Lasim : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("LASIM_LOG")) GTEST_SKIP() << "needs the simulator: run through with-serial-peer.sh";
    configPath = ConfigPath();
  }
  void TearDown() override {
    vnt.reset();
    if (!configPath.empty()) std::remove(configPath.c_str());
  }
  // A fresh program run with the given port in its la.cfg.
  void StartProgram(int32_t portIndex) {
    TAnalyzerConfig config;
    SetDefaultConfig(config, "8,000");
    config.PortIndex = portIndex;
    RecordingSink quiet;
    SaveConfig(configPath, config, quiet);
    vnt.reset();
    vnt = std::make_unique<TVNT>(port, sink);
    vnt->quitOnDestroy = false;
    ASSERT_TRUE(vnt->Create(GetModuleHandleW(nullptr)));
    ASSERT_TRUE(vnt->Startup(configPath));
  }
  void SetTrigger(int line, TriggerLevel level) { SendMessageW(vnt->TriggerButton(line, level), BM_CLICK, 0, 0); }
  // Waits until the simulator has logged `count` more bytes than `before`.
  std::vector<Received> AwaitReceived(std::size_t count) {
    std::vector<Received> now;
    wintest::PumpUntil([&] { return (now = ReceivedBytes()).size() >= count; }, 3000);
    return now;
  }

  Win32SerialPort port;
  RecordingSink sink;
  std::string configPath;
  std::unique_ptr<TVNT> vnt;
};

TEST_F(Lasim, StartProbesOnceThenArmsAndAbortWorksInAnyState) {
  StartProgram(1);
  ASSERT_TRUE(sink.shown.empty());
  SetTrigger(0, TriggerLevel::High);
  SetTrigger(7, TriggerLevel::Low);
  const std::size_t before = ReceivedBytes().size();
  const unsigned long long click = UnixMicrosNow();
  vnt->StartClick();
  std::vector<Received> got = AwaitReceived(before + 5);
  ASSERT_GE(got.size(), before + 5);
  EXPECT_THAT(Bytes(got, before), ElementsAre(0x44, 0x33, 0x05, 0x7E, 0x01));
  const double seconds = (got.back().micros - click) / 1e6;
  std::printf("Start click to last arm byte: %.3f s\n", seconds);
  RecordProperty("start_to_last_arm_byte_ms", static_cast<int>(seconds * 1000));
  EXPECT_TRUE(sink.shown.empty());

  SendMessageW(vnt->Control(ID_MODE), BM_CLICK, 0, 0);
  vnt->StartClick();
  vnt->StopWaitClick();
  vnt->StopWaitClick();
  got = AwaitReceived(before + 11);
  EXPECT_THAT(Bytes(got, before + 5), ElementsAre(0x33, 0x01, 0x7E, 0x01, 0x88, 0x88));
  EXPECT_EQ(vnt->capture.State(), CaptureState::Idle);
}

TEST_F(Lasim, ReadBringsTheMemoryThatMeetsTheTrigger) {
  StartProgram(1);
  SetTrigger(0, TriggerLevel::High);
  SetTrigger(7, TriggerLevel::Low);
  vnt->StartClick();
  vnt->ButReadClick();
  EXPECT_TRUE(sink.shown.empty());
  // The simulator's counter pattern: sample k is t0 + k, t0 the first time
  // with line 0 high and line 7 low.
  EXPECT_EQ(SampleAt(*vnt->samples, 0), 1u);
  EXPECT_EQ(SampleAt(*vnt->samples, 32767), 32768u);
  EXPECT_EQ(vnt->capture.State(), CaptureState::Idle);
}

TEST(LasimSilent, NoDeviceThenThePortIsGoneForTheRun) {
  if (!std::getenv("LASIM_LOG")) GTEST_SKIP() << "needs the silent simulator";
  Win32SerialPort port;
  RecordingSink sink;
  CaptureCycle cycle(port, sink);
  ASSERT_TRUE(cycle.OpenPort(1));
  const DWORD start = GetTickCount();
  cycle.Arm(TriggerMasks{0xFF, 0x00}, false);
  const DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 1400u) << "two drain reads and the reply each wait their time-out";
  EXPECT_FALSE(port.IsOpen());
  auto samples = std::make_unique<SampleBuffer>();
  cycle.Arm(TriggerMasks{0xFF, 0x00}, false);
  cycle.ReadMemory(*samples);
  EXPECT_THAT(sink.shown, ElementsAre(kNoDevice, kCannotRead, kCannotRead));
  EXPECT_THAT(Bytes(ReceivedBytes()), ElementsAre(0x44));
}

TEST(LasimEcho, EchoIsNoDeviceAndAFailedReadKeepsThePort) {
  if (!std::getenv("LASIM_LOG")) GTEST_SKIP() << "needs the echoing simulator";
  Win32SerialPort port;
  RecordingSink sink;
  CaptureCycle cycle(port, sink);
  ASSERT_TRUE(cycle.OpenPort(1));
  auto samples = std::make_unique<SampleBuffer>();
  cycle.ReadMemory(*samples);
  cycle.ReadMemory(*samples);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_THAT(sink.shown, ElementsAre(kNoDevice, kNoDevice));
  EXPECT_THAT(Bytes(ReceivedBytes()), ElementsAre(0x44, 0x44));
}

TEST(LasimShort, ShortUploadKeepsTheRestAndWarns) {
  if (!std::getenv("LASIM_LOG")) GTEST_SKIP() << "needs the simulator with --short=1000";
  Win32SerialPort port;
  RecordingSink sink;
  CaptureCycle cycle(port, sink);
  ASSERT_TRUE(cycle.OpenPort(1));
  auto samples = std::make_unique<SampleBuffer>();
  samples->fill(0xEE);
  EXPECT_EQ(cycle.ReadMemory(*samples), 1000u);
  EXPECT_EQ(SampleAt(*samples, 499), 499u);
  EXPECT_EQ(SampleAt(*samples, 500), 0xEEEEu);
  EXPECT_THAT(sink.shown,
              ElementsAre(UserMessage{"Считано только 1000 байт из 65536!", "Предупреждение!", MessageIcon::Warning}));
}

// The simulator answers on COM1 only; the port chosen in the settings window
// is used from the next start on.
TEST_F(Lasim, PortChoiceTakesEffectAtTheNextStart) {
  StartProgram(1);
  TSettings settings(vnt->config);
  ASSERT_TRUE(settings.Create(GetModuleHandleW(nullptr), vnt->Handle()));
  SendMessageW(settings.ChoosePort, CB_SETCURSEL, 0, 0);
  SendMessageW(settings.Handle(), WM_COMMAND, MAKEWPARAM(ID_CHOOSEPORT, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(settings.ChoosePort));
  SendMessageW(vnt->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(ReceivedBytes().empty()) << "the running program keeps its port";

  sink.shown.clear();
  vnt = std::make_unique<TVNT>(port, sink);
  vnt->quitOnDestroy = false;
  ASSERT_TRUE(vnt->Create(GetModuleHandleW(nullptr)));
  ASSERT_TRUE(vnt->Startup(configPath));
  EXPECT_EQ(vnt->config.PortIndex, 0);
  vnt->StartClick();
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_THAT(Bytes(AwaitReceived(5)), ElementsAre(0x44, 0x33, 0x05, 0xFF, 0x00));
}

}  // namespace
