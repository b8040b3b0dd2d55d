// lanconv: converts Vantrel's .lan diagram files to VCD or CSV, for batches
// and for tools that cannot read .lan.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "analyzer/analyzer_config.h"
#include "analyzer/capture_export.h"
#include "analyzer/diagram_file.h"

namespace {

const char kHelp[] =
    "usage: lanconv FILE.lan [--cfg la.cfg] [--rate MHZ] --vcd OUT | --csv OUT\n"
    "Converts a Vantrel diagram file (32768 or 65536 bytes) to a Value Change Dump\n"
    "or a CSV table; --vcd and --csv may both be given.\n"
    "  --cfg FILE   line names and sample rate from this la.cfg (default: Ln 0..Ln 15, 8 MHz)\n"
    "  --rate MHZ   sample rate in MHz, \".\" or \",\" as the decimal point; overrides la.cfg\n";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
  UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  bytes.clear();
  uint8_t block[8192];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.insert(bytes.end(), block, block + got);
  return !std::ferror(file.get());
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return (std::fclose(file) == 0) && written;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "lanconv: %s\n", message.c_str());
  return 1;
}

int Usage(const std::string& message) {
  std::fprintf(stderr, "lanconv: %s (see --help)\n", message.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string lanPath, cfgPath, rateText, vcdPath, csvPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    std::string* value = arg == "--cfg" ? &cfgPath : arg == "--rate" ? &rateText : arg == "--vcd" ? &vcdPath
                                                   : arg == "--csv"  ? &csvPath : nullptr;
    if (value) {
      if (i + 1 >= argc || !*argv[i + 1]) return Usage(arg + " needs a value");
      *value = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else if (lanPath.empty()) {
      lanPath = arg;
    } else {
      return Usage("more than one input file");
    }
  }
  if (lanPath.empty()) return Usage("no .lan file given");
  if (vcdPath.empty() && csvPath.empty()) return Usage("no output given: --vcd OUT or --csv OUT");

  TAnalyzerConfig config;
  SetDefaultConfig(config, kRateWhenDamaged);
  if (!cfgPath.empty()) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(cfgPath, bytes)) return Fail("cannot read " + cfgPath);
    if (ConfigFromBytes(bytes.data(), bytes.size(), config) != ConfigRead::Loaded)
      return Fail(cfgPath + " is " + std::to_string(bytes.size()) + " bytes, a la.cfg has " +
                  std::to_string(kConfigBytes));
  }
  const bool rateGiven = !rateText.empty();
  if (!rateGiven) rateText = RateText(config);
  float rate = 0;
  if (!ConvertRate(rateText, rate) || !ExportRateValid(rate))
    return rateGiven ? Usage("bad rate \"" + rateText + "\": a number of MHz from 0.000001 to 1000000")
                     : Fail("the rate \"" + rateText + "\" of " + cfgPath + " is no number of MHz; give --rate");

  std::vector<uint8_t> lan;
  if (!ReadFile(lanPath, lan)) return Fail("cannot read " + lanPath);
  // Older versions saved half the memory; anything else is no diagram file.
  if (lan.size() != kDiagramBytes && lan.size() != kDiagramBytes / 2)
    return Fail(lanPath + " is " + std::to_string(lan.size()) + " bytes, a .lan file has 32768 or 65536");
  auto samples = std::make_unique<SampleBuffer>();
  const std::size_t taken = LoadDiagram(lan.data(), lan.size(), *samples);
  const ExportSource source = SourceFromConfig(samples->data(), taken / 2, config, rate);

  std::string text;
  if (!vcdPath.empty()) {
    if (!WriteVcd(source, ExportDateNow(), text) || !WriteFile(vcdPath, text)) return Fail("cannot write " + vcdPath);
  }
  if (!csvPath.empty()) {
    if (!WriteCsv(source, text) || !WriteFile(csvPath, text)) return Fail("cannot write " + csvPath);
  }
  return 0;
}
