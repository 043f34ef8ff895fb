#include "platform/posix/x11_host.h"

#include <gtest/gtest.h>

#include "platform/posix/x11_keys.h"
#include "ui/keys.h"

namespace orvanta::platform {
namespace {

TEST(X11Host, AMissingDisplayFailsWithAReason) {
  EXPECT_EQ(X11Host::Connect("unix:4711.0"), nullptr);
  EXPECT_NE(X11Host::FailureReason().find("cannot open the X display"), std::string::npos);
}

// Key symbols by their X numbers, so the table is checked against the protocol itself.
struct KeyCase {
  unsigned long KeySym;
  unsigned VirtualKey;
  char32_t Char;
};

constexpr KeyCase kKeys[] = {
    {0x0061, 'A', U'a'},           // a
    {0x0052, 'R', U'R'},           // R
    {0x0035, '5', U'5'},           // 5
    {0x0020, ui::kVkSpace, U' '},  // space
    {0x00E9, 0, U'é'},             // eacute
    {0x01004E2D, 0, U'中'},        // a Unicode key symbol
    {0xFF0D, ui::kVkReturn, 0},    // Return
    {0xFF8D, ui::kVkReturn, 0},    // KP_Enter
    {0xFF09, ui::kVkTab, 0},       // Tab
    {0xFE20, ui::kVkTab, 0},       // ISO_Left_Tab, Shift+Tab
    {0xFF1B, ui::kVkEscape, 0},    // Escape
    {0xFF55, ui::kVkPrior, 0},     // Prior
    {0xFF56, ui::kVkNext, 0},      // Next
    {0xFF50, ui::kVkHome, 0},      // Home
    {0xFF57, ui::kVkEnd, 0},       // End
    {0xFF52, ui::kVkUp, 0},        // Up
    {0xFF99, ui::kVkDown, 0},      // KP_Down
    {0xFFE9, ui::kVkMenu, 0},      // Alt_L
    {0xFFC2, ui::kVkF1 + 4, 0},    // F5
    {0x01000007, 0, 0},            // a Unicode control character
};

TEST(X11Keys, KeySymbolsBecomeVirtualKeysAndCharacters) {
  for (const KeyCase& k : kKeys) {
    SCOPED_TRACE(k.KeySym);
    EXPECT_EQ(VirtualKeyFromKeySym(k.KeySym), k.VirtualKey);
    EXPECT_EQ(CharFromKeySym(k.KeySym), k.Char);
  }
}

}  // namespace
}  // namespace orvanta::platform
