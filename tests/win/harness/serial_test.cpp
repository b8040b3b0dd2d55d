// A COM port reaches a peer on a pseudo-terminal (run by with-serial-peer.sh,
// which points COM1 at pty_peer.py: 0x44 is answered by 0xBB, other bytes echoed).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct PortHandle {
  HANDLE h;
  explicit PortHandle(HANDLE handle) : h(handle) {}
  ~PortHandle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  PortHandle(const PortHandle&) = delete;
  PortHandle& operator=(const PortHandle&) = delete;
};

}  // namespace

TEST(SerialPeer, Com1AnswersThroughThePseudoTerminal) {
  if (!std::getenv("SERIAL_PEER_LOG")) GTEST_SKIP() << "needs a peer: run through with-serial-peer.sh";
  PortHandle port(CreateFileW(L"COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(port.h, INVALID_HANDLE_VALUE) << GetLastError();

  DCB dcb = {};
  dcb.DCBlength = sizeof(dcb);
  ASSERT_TRUE(GetCommState(port.h, &dcb));
  dcb.BaudRate = 38400;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  ASSERT_TRUE(SetCommState(port.h, &dcb));
  DCB back = {};
  back.DCBlength = sizeof(back);
  ASSERT_TRUE(GetCommState(port.h, &back));
  EXPECT_EQ(back.BaudRate, 38400u);

  COMMTIMEOUTS timeouts = {};
  timeouts.ReadIntervalTimeout = 500;
  timeouts.ReadTotalTimeoutConstant = 500;
  timeouts.WriteTotalTimeoutConstant = 500;
  ASSERT_TRUE(SetCommTimeouts(port.h, &timeouts));
  ASSERT_TRUE(SetupComm(port.h, 4, 4));

  const unsigned char probe = 0x44;
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(port.h, &probe, 1, &written, nullptr));
  ASSERT_EQ(written, 1u);
  unsigned char reply = 0;
  DWORD got = 0;
  ASSERT_TRUE(ReadFile(port.h, &reply, 1, &got, nullptr));
  ASSERT_EQ(got, 1u);
  EXPECT_EQ(reply, 0xBB);

  // Nothing more comes: the read returns empty after the time-out.
  const DWORD start = GetTickCount();
  ASSERT_TRUE(ReadFile(port.h, &reply, 1, &got, nullptr));
  EXPECT_EQ(got, 0u);
  EXPECT_GE(GetTickCount() - start, 400u);
}
