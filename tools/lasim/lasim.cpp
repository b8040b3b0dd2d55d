// lasim: the analyzer device on a pseudo-terminal. Prints the slave's path
// as its first line, then answers the program's bytes until it is killed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "lasim_device.h"

namespace {

const char kHelp[] =
    "usage: lasim [options]\n"
    "Simulates the logic analyzer on a pseudo-terminal; prints the slave path first.\n"
    "  0x44 -> 0xBB; 0x33 m d h arms; 0x88 aborts; 0x55 -> 65536 bytes of samples.\n"
    "options:\n"
    "  --silent          never answer anything\n"
    "  --echo            answer 0x44 with 0x44\n"
    "  --reply=BYTE      answer 0x44 with BYTE, 0..0xff (for example 0x5a)\n"
    "  --short=N         send only N bytes (0..65536) of the sample memory\n"
    "  --baud=B          pace every reply at B baud, 10 bits a byte (default: unpaced)\n"
    "  --pattern=NAME    the waveform the memory holds (default counter)\n"
    "  --log=FILE        write one line per byte received and per reply sent:\n"
    "                    '<unix time in microseconds> rx 0xNN' / '... tx N' / events\n"
    "  --write-lan=FILE  write the memory of the pattern (from t = 0, 65536 bytes) as a\n"
    "                    .lan diagram file and end, without a pseudo-terminal\n"
    "patterns (t counts samples; sample 0 is the first t that meets the armed\n"
    "trigger on lines 0..7, or t = 0 when never armed or never met):\n"
    "  counter   the 16 lines are the binary value of t: line i toggles every 2^i samples\n"
    "  walk      one high line walking up: line (t / 64) mod 16 is high, the others low\n"
    "  clocks    line i is a square wave with a period of 2 (i + 1) samples\n"
    "  uart      line 0: \"Vantrel UART test\\n\" as 8N1 frames (least significant bit\n"
    "            first), 16 samples a bit (500000 baud at 8 MHz), idle high; the first\n"
    "            start bit at t = 32; the other lines low\n"
    "  i2c       line 1 SCL, line 2 SDA: a write of 0x12 0x34 to address 0x50 with\n"
    "            start, ACKs and stop; 16 samples a half clock (250 kHz at 8 MHz),\n"
    "            SDA changing in the middle of SCL low; start at t = 32; idle high\n";

uint64_t NowMicros() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
          .count());
}

FILE* logFile = nullptr;

void Log(const char* format, unsigned long long value) {
  if (!logFile) return;
  std::fprintf(logFile, "%llu ", static_cast<unsigned long long>(NowMicros()));
  std::fprintf(logFile, format, value);
  std::fputc('\n', logFile);
  std::fflush(logFile);
}

// Writes all bytes, paced when baud > 0. Gives up when the other side reads
// nothing for two seconds, and drops what it left unread so that a later
// opener does not get stale samples.
void Send(int master, int slave, const std::vector<uint8_t>& bytes, long baud) {
  std::size_t sent = 0;
  const auto start = std::chrono::steady_clock::now();
  auto lastProgress = start;
  while (sent < bytes.size()) {
    std::size_t due = bytes.size();
    if (baud > 0) {
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      due = static_cast<std::size_t>(seconds * baud / 10.0) + 1;
      if (due > bytes.size()) due = bytes.size();
    }
    if (due > sent) {
      pollfd p = {master, POLLOUT, 0};
      if (poll(&p, 1, 20) > 0) {
        const ssize_t n = write(master, bytes.data() + sent, due - sent);
        if (n > 0) {
          sent += static_cast<std::size_t>(n);
          lastProgress = std::chrono::steady_clock::now();
        }
      }
    } else {
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (std::chrono::steady_clock::now() - lastProgress > std::chrono::seconds(2)) {
      Log("tx abandoned after %llu", sent);
      tcflush(slave, TCIFLUSH);
      return;
    }
  }
  Log("tx %llu", bytes.size());
}

// A whole number within [min, max] and nothing else ("0x5a" is fine).
bool Number(const char* text, long long min, long long max, long long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(text, &end, 0);
  return *text && end && !*end && errno == 0 && value >= min && value <= max;
}

bool Starts(const char* arg, const char* prefix, const char** value) {
  const std::size_t n = std::strlen(prefix);
  if (std::strncmp(arg, prefix, n) != 0) return false;
  *value = arg + n;
  return true;
}

int BadFile(const std::string& path) {
  std::fprintf(stderr, "lasim: cannot write %s\n", path.c_str());
  return 1;
}

int BadValue(const char* arg) {
  std::fprintf(stderr, "lasim: bad value in %s (see --help)\n", arg);
  return 2;
}

int WriteLan(const std::string& path, Pattern pattern) {
  const std::vector<uint8_t> image = MemoryImage(pattern, 0, 65536);
  FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file && std::fwrite(image.data(), 1, image.size(), file) == image.size();
  if (file && std::fclose(file) != 0) return BadFile(path);
  return written ? 0 : BadFile(path);
}

}  // namespace

int main(int argc, char** argv) {
  DeviceOptions options;
  long baud = 0;
  std::string lanPath;
  const char* value = nullptr;
  long long number = 0;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (!std::strcmp(arg, "--silent")) {
      options.silent = true;
    } else if (!std::strcmp(arg, "--echo")) {
      options.probeReply = 0x44;
    } else if (Starts(arg, "--reply=", &value)) {
      if (!Number(value, 0, 0xFF, number)) return BadValue(arg);
      options.probeReply = static_cast<int>(number);
    } else if (Starts(arg, "--short=", &value)) {
      if (!Number(value, 0, 65536, number)) return BadValue(arg);
      options.uploadBytes = static_cast<std::size_t>(number);
    } else if (Starts(arg, "--baud=", &value)) {
      if (!Number(value, 1, 10000000, number)) return BadValue(arg);
      baud = static_cast<long>(number);
    } else if (Starts(arg, "--pattern=", &value)) {
      if (!ParsePattern(value, options.pattern)) {
        std::fprintf(stderr, "lasim: unknown pattern %s\n", value);
        return 2;
      }
    } else if (Starts(arg, "--write-lan=", &value)) {
      lanPath = value;
    } else if (Starts(arg, "--log=", &value)) {
      logFile = std::fopen(value, "w");
      if (!logFile) {
        std::perror(value);
        return 2;
      }
    } else {
      std::fprintf(stderr, "lasim: unknown option %s (see --help)\n", arg);
      return 2;
    }
  }
  if (!lanPath.empty()) return WriteLan(lanPath, options.pattern);
  signal(SIGPIPE, SIG_IGN);

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::perror("lasim: pseudo-terminal");
    return 1;
  }
  const char* path = ptsname(master);
  // Held open so that the master keeps working while the program has the
  // port closed.
  const int slave = open(path, O_RDWR | O_NOCTTY);
  termios raw = {};
  if (slave < 0 || tcgetattr(slave, &raw) != 0) {
    std::perror("lasim: slave");
    return 1;
  }
  cfmakeraw(&raw);
  tcsetattr(slave, TCSANOW, &raw);
  std::printf("%s\n", path);
  std::fflush(stdout);

  Device device(options);
  for (;;) {
    pollfd p = {master, POLLIN, 0};
    if (poll(&p, 1, 1000) <= 0) continue;
    uint8_t buffer[256];
    const ssize_t n = read(master, buffer, sizeof(buffer));
    if (n <= 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      continue;
    }
    for (ssize_t i = 0; i < n; ++i) {
      Log("rx 0x%02llx", buffer[i]);
      const std::vector<uint8_t> reply = device.Receive(buffer[i]);
      if (!device.LastEvent().empty() && logFile) {
        std::fprintf(logFile, "%llu %s\n", static_cast<unsigned long long>(NowMicros()), device.LastEvent().c_str());
        std::fflush(logFile);
      }
      if (!reply.empty()) Send(master, slave, reply, baud);
    }
  }
}
