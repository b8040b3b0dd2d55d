// A scripted analyzer behind a recording serial port, and a recording sink.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "analyzer/link_protocol.h"
#include "analyzer/messages.h"

class RecordingSink : public MessageSink {
 public:
  void Show(const UserMessage& message) override { shown.push_back(message); }
  std::vector<UserMessage> shown;
};

// Every call is logged as one line ("read 1", "write 33 05 ff 00"); the
// device answers the probe with `reply` and an upload with `uploadBytes`.
class FakePort : public SerialPort {
 public:
  enum class Device { Present, Silent, Echo };

  bool Open(const char* name) override {
    log.push_back(std::string("open ") + name);
    open = openSucceeds;
    return open;
  }
  void Close() override {
    log.push_back("close");
    open = false;
  }
  bool IsOpen() const override { return open; }
  bool SetLineSettings(const LineSettings& s) override {
    settings = s;
    log.push_back("settings");
    return open;
  }
  bool SetReadTimeouts(uint32_t intervalMs, uint32_t perByteMs) override {
    log.push_back("timeouts " + std::to_string(intervalMs) + " " + std::to_string(perByteMs));
    return open;
  }
  bool SetQueues(uint32_t in, uint32_t out) override {
    log.push_back("queues " + std::to_string(in) + " " + std::to_string(out));
    return open;
  }
  bool Read(uint8_t* data, std::size_t size, std::size_t& got) override {
    log.push_back("read " + std::to_string(size));
    got = 0;
    if (!open || readFails) return false;
    while (got < size && !input.empty()) {
      data[got++] = input.front();
      input.pop_front();
    }
    return true;
  }
  bool Write(const uint8_t* data, std::size_t size, std::size_t& written) override {
    std::string line = "write";
    for (std::size_t i = 0; i < size; ++i) line += " " + Hex(data[i]);
    log.push_back(line);
    written = 0;
    if (!open) return false;
    written = size;
    wire.insert(wire.end(), data, data + size);
    if (size == 1 && data[0] == kProbeCmd) Answer();
    if (size == 1 && data[0] == kUploadCmd) {
      for (std::size_t i = 0; i < uploadBytes; ++i) input.push_back(static_cast<uint8_t>(0xA0 ^ i));
    }
    return true;
  }

  static std::string Hex(uint8_t b) {
    const char* digits = "0123456789abcdef";
    return std::string{digits[b >> 4], digits[b & 15]};
  }

  Device device = Device::Present;
  bool openSucceeds = true;
  bool readFails = false;
  std::size_t uploadBytes = 65536;
  bool open = false;
  LineSettings settings = {};
  std::deque<uint8_t> input;
  std::vector<uint8_t> wire;
  std::vector<std::string> log;

 private:
  void Answer() {
    if (device == Device::Present) input.push_back(kPresentReply);
    if (device == Device::Echo) input.push_back(kProbeCmd);
  }
};
