#include "analyzer/win/win_serial_port.h"

#include "analyzer/win/win_text.h"

bool Win32SerialPort::Open(const char* name) {
  handle.reset(CreateFileW(WideFromUtf8(name).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr));
  return IsOpen();
}

// The port's own settings are read first so that byte size, flow control and
// the rest stay as the port had them.
bool Win32SerialPort::SetLineSettings(const LineSettings& settings) {
  DCB dcb = {};
  dcb.DCBlength = sizeof(dcb);
  if (!GetCommState(handle.get(), &dcb)) return false;
  dcb.BaudRate = settings.baudRate;
  dcb.fParity = settings.parityCheck ? TRUE : FALSE;
  dcb.StopBits = settings.oneStopBit ? ONESTOPBIT : TWOSTOPBITS;
  dcb.fAbortOnError = settings.abortOnError ? TRUE : FALSE;
  return SetCommState(handle.get(), &dcb) != FALSE;
}

bool Win32SerialPort::SetReadTimeouts(uint32_t intervalMs, uint32_t perByteMs) {
  COMMTIMEOUTS timeouts = {};
  if (!GetCommTimeouts(handle.get(), &timeouts)) return false;
  timeouts.ReadIntervalTimeout = intervalMs;
  timeouts.ReadTotalTimeoutMultiplier = perByteMs;
  return SetCommTimeouts(handle.get(), &timeouts) != FALSE;
}

bool Win32SerialPort::SetQueues(uint32_t inBytes, uint32_t outBytes) {
  return SetupComm(handle.get(), inBytes, outBytes) != FALSE;
}

bool Win32SerialPort::Read(uint8_t* data, std::size_t size, std::size_t& got) {
  DWORD count = 0;
  const BOOL ok = ReadFile(handle.get(), data, static_cast<DWORD>(size), &count, nullptr);
  got = count;
  return ok != FALSE;
}

bool Win32SerialPort::Write(const uint8_t* data, std::size_t size, std::size_t& written) {
  DWORD count = 0;
  const BOOL ok = WriteFile(handle.get(), data, static_cast<DWORD>(size), &count, nullptr);
  written = count;
  return ok != FALSE;
}
