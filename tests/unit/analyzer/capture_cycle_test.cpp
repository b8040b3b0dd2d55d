#include "analyzer/capture_cycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "fake_port.h"

namespace {

using ::testing::ElementsAre;

const UserMessage kCannotRead{"Не удаётся произвести чтение!", "Ошибка!", MessageIcon::Error};
const UserMessage kNoDevice{"Не могу обнаружить устройство!", "Ошибка!", MessageIcon::Error};
constexpr TriggerMasks kAllDontCare{0xFF, 0x00};

class Capture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cycle.OpenPort(1));
    port.log.clear();
  }
  FakePort port;
  RecordingSink sink;
  CaptureCycle cycle{port, sink};
  std::unique_ptr<SampleBuffer> samples = std::make_unique<SampleBuffer>();
};

TEST(TriggerMasks, FromTheEightGroups) {
  std::array<TriggerLevel, 8> levels;
  levels.fill(TriggerLevel::DontCare);
  const TriggerMasks all = MasksFromLevels(levels);
  EXPECT_EQ(all.DontCareMask, 0xFF);
  EXPECT_EQ(all.HighMask, 0x00);

  levels[0] = TriggerLevel::High;
  levels[7] = TriggerLevel::Low;
  const TriggerMasks mixed = MasksFromLevels(levels);
  EXPECT_EQ(mixed.DontCareMask, 0x7E);
  EXPECT_EQ(mixed.HighMask, 0x01);
}

TEST(TriggerMasks, WaitChangesOnlyTheModeByte) {
  const TriggerMasks masks{0x7E, 0x01};
  EXPECT_THAT(EncodeArm(false, masks), ElementsAre(0x33, 0x05, 0x7E, 0x01));
  EXPECT_THAT(EncodeArm(true, masks), ElementsAre(0x33, 0x01, 0x7E, 0x01));
}

TEST(Handshake, EmptyReplyCellMeansNoDeviceNotAReadFailure) {
  EXPECT_EQ(DecideHandshake(true, 0xBB), Handshake::Present);
  EXPECT_EQ(DecideHandshake(true, 0x44), Handshake::NotFound);
  EXPECT_EQ(DecideHandshake(true, 0x00), Handshake::NotFound);
  EXPECT_EQ(DecideHandshake(false, 0xBB), Handshake::ReadFailed);
}

TEST(OpenPort, IndexChoosesTheNameAndFailureIsReported) {
  FakePort port;
  RecordingSink sink;
  CaptureCycle cycle(port, sink);
  EXPECT_TRUE(cycle.OpenPort(0));
  port.openSucceeds = false;
  EXPECT_FALSE(cycle.OpenPort(7));
  EXPECT_THAT(port.log, ElementsAre("open COM1", "open COM2"));
  EXPECT_THAT(sink.shown, ElementsAre(UserMessage{"Не могу открыть COM!", "Ошибка!", MessageIcon::Error}));
  EXPECT_EQ(cycle.State(), CaptureState::Idle);
}

TEST_F(Capture, StartDrainsProbesAndArmsInThatOrder) {
  cycle.Arm(TriggerMasks{0x7E, 0x01}, false);
  EXPECT_THAT(port.log, ElementsAre("settings", "timeouts 500 500", "read 1", "read 1", "write 44", "read 1",
                                    "write 33 05 7e 01"));
  EXPECT_EQ(port.settings.baudRate, 38400u);
  EXPECT_FALSE(port.settings.parityCheck);
  EXPECT_TRUE(port.settings.oneStopBit);
  EXPECT_TRUE(port.settings.abortOnError);
  EXPECT_EQ(cycle.State(), CaptureState::Armed);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(Capture, SecondStartSkipsTheHandshake) {
  cycle.Arm(kAllDontCare, false);
  port.log.clear();
  cycle.Arm(kAllDontCare, true);
  EXPECT_THAT(port.log, ElementsAre("settings", "timeouts 500 500", "read 1", "read 1", "write 33 01 ff 00"));
  EXPECT_EQ(cycle.State(), CaptureState::Armed);
}

TEST_F(Capture, AbortSendsOneByteInEveryState) {
  cycle.Abort();
  cycle.Arm(kAllDontCare, false);
  port.log.clear();
  cycle.Abort();
  EXPECT_THAT(port.log, ElementsAre("write 88"));
  EXPECT_EQ(cycle.State(), CaptureState::Idle);
  port.log.clear();
  cycle.Arm(kAllDontCare, false);
  EXPECT_THAT(port.log, ::testing::Contains("write 44")) << "after an abort the handshake runs again";
}

TEST_F(Capture, ReadFillsTheWholeBuffer) {
  EXPECT_EQ(cycle.ReadMemory(*samples), 65536u);
  EXPECT_THAT(port.log, ElementsAre("settings", "timeouts 500 500", "read 1", "read 1", "write 44", "read 1", "write 55",
                                    "queues 65536 4", "timeouts 500 1", "read 65536"));
  EXPECT_EQ((*samples)[0], 0xA0);
  EXPECT_EQ((*samples)[65535], static_cast<uint8_t>(0xA0 ^ 65535));
  EXPECT_EQ(cycle.State(), CaptureState::Idle);
  EXPECT_TRUE(sink.shown.empty());
}

// A device that answers the probe and then sends nothing must not hold the
// window for 65536 x 500 ms; the upload's total time-out stays near the
// line's own time (65536 x 10 bits at 38400 baud, 17 s) with room to spare.
TEST_F(Capture, MuteUploadEndsWithinAMinuteOrSo) {
  port.uploadBytes = 0;
  EXPECT_EQ(cycle.ReadMemory(*samples), 0u);
  const auto upload = std::find(port.log.begin(), port.log.end(), "write 55");
  const auto timeouts = std::find_if(upload, port.log.end(), [](const std::string& line) {
    return line.rfind("timeouts ", 0) == 0;
  });
  ASSERT_NE(timeouts, port.log.end()) << "the upload keeps the 500 ms a byte of the probe";
  unsigned interval = 0, perByte = 0;
  ASSERT_EQ(std::sscanf(timeouts->c_str(), "timeouts %u %u", &interval, &perByte), 2);
  EXPECT_EQ(interval, 500u);
  EXPECT_GE(65536.0 * perByte, 2 * 17067.0);
  EXPECT_LE(65536.0 * perByte, 120000.0);
  EXPECT_THAT(sink.shown,
              ElementsAre(UserMessage{"Считано только 0 байт из 65536!", "Предупреждение!", MessageIcon::Warning}));
}

TEST_F(Capture, ShortReadKeepsTheRestAndWarns) {
  samples->fill(0x5A);
  port.uploadBytes = 1000;
  EXPECT_EQ(cycle.ReadMemory(*samples), 1000u);
  EXPECT_EQ(SampleAt(*samples, 499), static_cast<uint16_t>((0xA0 ^ 998) | ((0xA0 ^ 999) << 8)));
  EXPECT_EQ(SampleAt(*samples, 500), 0x5A5A);
  EXPECT_EQ(SampleAt(*samples, 32767), 0x5A5A);
  EXPECT_THAT(sink.shown,
              ElementsAre(UserMessage{"Считано только 1000 байт из 65536!", "Предупреждение!", MessageIcon::Warning}));
}

TEST_F(Capture, SilentOrEchoingDeviceIsNotFound) {
  port.device = FakePort::Device::Silent;
  cycle.ReadMemory(*samples);
  port.device = FakePort::Device::Echo;
  cycle.ReadMemory(*samples);
  EXPECT_THAT(sink.shown, ElementsAre(kNoDevice, kNoDevice));
  EXPECT_TRUE(port.IsOpen()) << "a failed read handshake keeps the port";
  EXPECT_EQ(cycle.State(), CaptureState::Idle);
}

TEST_F(Capture, FailedReadHandshakeLeavesThePortForTheNextAttempt) {
  port.readFails = true;
  EXPECT_EQ(cycle.ReadMemory(*samples), 0u);
  EXPECT_THAT(sink.shown, ElementsAre(kCannotRead));
  port.readFails = false;
  EXPECT_EQ(cycle.ReadMemory(*samples), 65536u);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(Capture, FailedArmingClosesThePortAndLaterExchangesCannotRead) {
  port.device = FakePort::Device::Silent;
  cycle.Arm(kAllDontCare, false);
  EXPECT_THAT(sink.shown, ElementsAre(kNoDevice));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(cycle.State(), CaptureState::Idle);

  port.device = FakePort::Device::Present;
  samples->fill(0x11);
  cycle.Arm(kAllDontCare, false);
  EXPECT_EQ(cycle.ReadMemory(*samples), 0u);
  EXPECT_THAT(sink.shown, ElementsAre(kNoDevice, kCannotRead, kCannotRead));
  EXPECT_EQ(SampleAt(*samples, 0), 0x1111);
  EXPECT_TRUE(port.wire.empty() || port.wire.back() != kArmCmd);
}

TEST_F(Capture, CloseEndsTheCycle) {
  cycle.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(cycle.State(), CaptureState::Closed);
}

}  // namespace
