// The link's serial port on the Win32 communications API.
#pragma once

#include "analyzer/serial_port.h"
#include "analyzer/win/unique_handle.h"

class Win32SerialPort : public SerialPort {
 public:
  bool Open(const char* name) override;
  void Close() override { handle.reset(); }
  bool IsOpen() const override { return static_cast<bool>(handle); }
  bool SetLineSettings(const LineSettings& settings) override;
  bool SetReadTimeouts(uint32_t intervalMs, uint32_t perByteMs) override;
  bool SetQueues(uint32_t inBytes, uint32_t outBytes) override;
  bool Read(uint8_t* data, std::size_t size, std::size_t& got) override;
  bool Write(const uint8_t* data, std::size_t size, std::size_t& written) override;

 private:
  UniqueFileHandle handle;
};
