// The serial port as the link needs it; the program implements it with the
// Win32 communications API, tests with recording fakes.
#pragma once

#include <cstddef>
#include <cstdint>

// Only these fields are changed; everything else keeps what the port had.
struct LineSettings {
  uint32_t baudRate;
  bool parityCheck;
  bool oneStopBit;
  bool abortOnError;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // name is "COM1" or "COM2"; read and write, shared, existing device only.
  virtual bool Open(const char* name) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual bool SetLineSettings(const LineSettings& settings) = 0;
  // Interval and per-byte read time-outs; the constant part and the write
  // time-outs stay as they were.
  virtual bool SetReadTimeouts(uint32_t intervalMs, uint32_t perByteMs) = 0;
  virtual bool SetQueues(uint32_t inBytes, uint32_t outBytes) = 0;
  // One read call: false when the call itself fails; got may be less than
  // size after a time-out.
  virtual bool Read(uint8_t* data, std::size_t size, std::size_t& got) = 0;
  virtual bool Write(const uint8_t* data, std::size_t size, std::size_t& written) = 0;
};
