#include "editor/app/script_passes.h"

#include <algorithm>
#include <cctype>

#include "editor/app/safe_file.h"
#include "editor/app/text_file.h"

namespace {

int WriteText(const CStringU& path, const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  AppendCrLf(bytes, text);
  return WriteBinaryFile(path, bytes);
}

// #ifdef with a name not defined, or #ifndef with one that is: the block was
// not read on open.
bool StartsSkippedBlock(const LineWords& words, const MacroDefined& defined) {
  if (words.count < 2) return false;
  if (words.first == "#ifdef") return !defined(std::string(words.second));
  if (words.first == "#ifndef") return defined(std::string(words.second));
  return false;
}

// Follows the conditionals nested in a skipped block; true at the #endif
// that closes the block itself.
bool EndsSkippedBlock(const LineWords& words, int& depth) {
  if (words.count == 0) return false;
  if (words.first == "#if" || words.first == "#ifdef" || words.first == "#ifndef") {
    ++depth;
  } else if (words.first == "#endif") {
    return --depth <= 0;
  }
  return false;
}

bool IsDialogsMark(std::string_view line) {
  LineWords words = FirstTwoWords(line);
  return words.count == 2 && words.first == "//" && words.second == "Dialogs";
}

// Follows the BEGIN/END (or braces) of a dialog statement through one line
// without comments; true when the statement ends on it. Quoted texts are
// passed over, and an END anywhere on a line counts, so a dialog written on
// one line, or closed after its last control, does not swallow what follows.
bool EndsDialog(std::string_view code, int& depth) {
  size_t i = 0;
  const size_t n = code.size();
  auto separator = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; };
  while (i < n) {
    if (separator(code[i])) {
      ++i;
    } else if (code[i] == '"') {
      size_t close = code.find('"', i + 1);
      i = close == std::string_view::npos ? n : close + 1;
    } else {
      size_t start = i;
      while (i < n && !separator(code[i]) && code[i] != '"') ++i;
      std::string_view word = code.substr(start, i - start);
      if (word == "BEGIN" || word == "{") {
        ++depth;
      } else if ((word == "END" || word == "}") && --depth <= 0) {
        return true;
      }
    }
  }
  return false;
}

bool IsDialogKeyword(std::string_view word) { return word == "DIALOG" || word == "DIALOGEX"; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool StartsWithHash(std::string_view line) {
  size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r'))) ++i;
  return i < line.size() && line[i] == '#';
}

// find_first_of("/\"") without a library call per character.
size_t FindSlashOrQuote(std::string_view line, size_t pos) {
  for (; pos < line.size(); ++pos) {
    if (line[pos] == '/' || line[pos] == '"') return pos;
  }
  return std::string_view::npos;
}

// Takes the comments out of a script line by line; a block comment may span
// lines, so the state carries over from one line to the next.
class CommentStripper {
 public:
  void AppendLine(std::string_view line, std::string& out) {
    size_t pos = 0;
    while (pos < line.size()) {
      if (inBlock_) {
        size_t close = line.find("*/", pos);
        if (close == std::string_view::npos) break;  // the rest, line end included, is comment
        pos = close + 2;
        inBlock_ = false;
      } else if (inString_) {
        size_t quote = line.find('"', pos);
        size_t end = quote == std::string_view::npos ? line.size() : quote + 1;
        out.append(line.substr(pos, end - pos));
        pos = end;
        inString_ = quote == std::string_view::npos;
      } else {
        size_t next = FindSlashOrQuote(line, pos);
        while (next != std::string_view::npos && line[next] == '/' &&
               (next + 1 >= line.size() || (line[next + 1] != '/' && line[next + 1] != '*')))
          next = FindSlashOrQuote(line, next + 1);
        if (next == std::string_view::npos) {
          out.append(line.substr(pos));
          pos = line.size();
        } else if (line[next] == '"') {
          out.append(line.substr(pos, next + 1 - pos));
          pos = next + 1;
          inString_ = true;
        } else if (line[next + 1] == '/') {
          out.append(line.substr(pos, next - pos));
          out.push_back('\n');
          pos = line.size();
        } else {
          out.append(line.substr(pos, next - pos));
          pos = next + 2;
          inBlock_ = true;
        }
      }
    }
  }

 private:
  bool inBlock_ = false;
  bool inString_ = false;
};

}  // namespace

int StripComments(const CStringU& scriptPath, const CStringU& outPath) {
  std::string text;
  if (!ReadTextFile(scriptPath, text)) return 0;
  std::string out;
  out.reserve(text.size());
  CommentStripper stripper;
  LineCursor lines(text);
  std::string_view line;
  while (lines.Next(line)) stripper.AppendLine(line, out);
  return WriteText(outPath, out);
}

int ResolveConditionals(const CStringU& inPath, const CStringU& outPath, const MacroDefined& defined) {
  std::string text;
  if (!ReadTextFile(inPath, text)) return 0;
  std::string out;
  out.reserve(text.size());
  bool skipping = false;
  int depth = 0;
  LineCursor lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    // Only a directive opens or closes a block.
    if (!skipping && !StartsWithHash(line)) {
      out.append(line);
      continue;
    }
    LineWords words = FirstTwoWords(line);
    if (skipping) {
      if (EndsSkippedBlock(words, depth)) skipping = false;
    } else if (StartsSkippedBlock(words, defined)) {
      skipping = true;
      depth = 1;
    } else {
      out.append(line);
    }
  }
  return WriteText(outPath, out);
}

int MergeDialogs(const CStringU& scriptPath, const CStringU& dialogsPath, const CStringU& outPath,
                 const MacroDefined& defined) {
  std::string script;
  std::string dialogs;
  if (!ReadTextFile(scriptPath, script) || !ReadTextFile(dialogsPath, dialogs)) return 0;

  enum class State { Normal, Verbatim, Dropping } state = State::Normal;
  int depth = 0;
  std::string out;
  out.reserve(script.size() + dialogs.size() + 16);
  bool lastWrittenEmpty = false;
  auto write = [&](std::string_view line) {
    out.append(line);
    lastWrittenEmpty = line == "\n";
  };

  // Blocks and dialogs are found on the line as the open saw it, without
  // comments (a "#endif//x" ends a block there); the line itself is kept.
  CommentStripper stripper;
  std::string code;
  LineCursor lines(script);
  std::string_view line;
  while (lines.Next(line)) {
    code.clear();
    stripper.AppendLine(line, code);
    LineWords words = FirstTwoWords(code);
    switch (state) {
      case State::Verbatim:
        write(line);
        if (EndsSkippedBlock(words, depth)) state = State::Normal;
        break;
      case State::Dropping:
        if (EndsDialog(code, depth)) state = State::Normal;
        break;
      case State::Normal:
        if (words.count >= 2) {
          if (StartsSkippedBlock(words, defined)) {
            write(line);
            state = State::Verbatim;
            depth = 1;
          } else if (IsDialogKeyword(words.second)) {
            depth = 0;
            if (!EndsDialog(code, depth)) state = State::Dropping;
          } else {
            write(line);
          }
        } else if (!IsDialogsMark(line) && (line != "\n" || !lastWrittenEmpty)) {
          write(line);
        }
        break;
    }
  }
  // A last line without its line end would otherwise run into the mark.
  if (!out.empty() && out.back() != '\n') out.push_back('\n');
  out.append("// Dialogs\n");
  out.append(dialogs);
  return WriteText(outPath, out);
}

int WriteScript(const CStringU& headerName, const CStringU& mergedPath, const CStringU& scriptPath,
                FileReplacer& replacer) {
  std::string merged;
  if (!ReadTextFile(mergedPath, merged)) return 0;
  const std::string headerAnsi = headerName.Ansi();
  const std::string header = Lower(headerAnsi);
  bool included = false;
  LineCursor lines(merged);
  std::string_view line;
  while (!included && lines.Next(line)) {
    LineWords words = FirstTwoWords(line);
    if (words.count < 2) continue;
    if (IsDialogKeyword(words.second)) break;
    included = words.first == "#include" && Lower(words.second).find(header) != std::string::npos;
  }
  std::string bytes;
  bytes.reserve(merged.size() + merged.size() / 16 + 64);
  if (!included) AppendCrLf(bytes, "\n// Resource header\n#include \"" + headerAnsi + "\"\n\n");
  AppendCrLf(bytes, merged);
  return WriteFileSafely(scriptPath, bytes, replacer);
}
