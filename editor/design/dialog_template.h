#pragma once
// An in-memory dialog template for the window manager, built from the model.

#include <cstddef>
#include <cstdint>
#include <vector>

enum class TemplateMode {
  DesignSurface,  // a visible child of the design window
  TestRun,        // a popup run modally by the test command
};

// Header style masks of the two modes.
constexpr std::uint32_t kDesignStyleMask = 0x27FFE7BF;  // drop popup, child, visible, disabled, centring, set-font
constexpr std::uint32_t kDesignStyleAdd = 0x50000040;   // child, visible, set-font
constexpr std::uint32_t kTestStyleMask = 0x37FFFFBF;    // drop popup, child, disabled, set-font
constexpr std::uint32_t kTestStyleAdd = 0x80000040;     // popup, set-font

// Bytes of a DLGTEMPLATE block, kept in storage aligned to 4 bytes as the
// window manager requires of the template and of each item in it.
class CDialogTemplate {
 public:
  CDialogTemplate() = default;
  explicit CDialogTemplate(std::size_t size) : words_((size + 3) / 4, 0), size_(size) {}

  const std::uint8_t* Data() const { return reinterpret_cast<const std::uint8_t*>(words_.data()); }
  std::uint8_t* Data() { return reinterpret_cast<std::uint8_t*>(words_.data()); }
  std::size_t Size() const { return size_; }
  std::vector<std::uint8_t> Bytes() const { return std::vector<std::uint8_t>(Data(), Data() + size_); }

 private:
  std::vector<std::uint32_t> words_;
  std::size_t size_ = 0;
};
