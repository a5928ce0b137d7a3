#include "core/keys/UsKeyboardLayout.h"

namespace ravix {
namespace {

// Non-extended keys first, so that a virtual key produced by two keys maps to the main one.
constexpr LayoutKey kUsKeys[] = {
    {0x01, false, 0x1B, 0x1B, L"Esc"},      {0x02, false, 0x31, L'1', {}},
    {0x03, false, 0x32, L'2', {}},          {0x04, false, 0x33, L'3', {}},
    {0x05, false, 0x34, L'4', {}},          {0x06, false, 0x35, L'5', {}},
    {0x07, false, 0x36, L'6', {}},          {0x08, false, 0x37, L'7', {}},
    {0x09, false, 0x38, L'8', {}},          {0x0A, false, 0x39, L'9', {}},
    {0x0B, false, 0x30, L'0', {}},          {0x0C, false, 0xBD, L'-', {}},
    {0x0D, false, 0xBB, L'=', {}},          {0x0E, false, 0x08, 0x08, L"Backspace"},
    {0x0F, false, 0x09, L'\t', L"Tab"},     {0x10, false, 0x51, L'q', {}},
    {0x11, false, 0x57, L'w', {}},          {0x12, false, 0x45, L'e', {}},
    {0x13, false, 0x52, L'r', {}},          {0x14, false, 0x54, L't', {}},
    {0x15, false, 0x59, L'y', {}},          {0x16, false, 0x55, L'u', {}},
    {0x17, false, 0x49, L'i', {}},          {0x18, false, 0x4F, L'o', {}},
    {0x19, false, 0x50, L'p', {}},          {0x1A, false, 0xDB, L'[', {}},
    {0x1B, false, 0xDD, L']', {}},          {0x1C, false, 0x0D, L'\r', L"Enter"},
    {0x1D, false, 0xA2, 0, L"Ctrl"},        {0x1E, false, 0x41, L'a', {}},
    {0x1F, false, 0x53, L's', {}},          {0x20, false, 0x44, L'd', {}},
    {0x21, false, 0x46, L'f', {}},          {0x22, false, 0x47, L'g', {}},
    {0x23, false, 0x48, L'h', {}},          {0x24, false, 0x4A, L'j', {}},
    {0x25, false, 0x4B, L'k', {}},          {0x26, false, 0x4C, L'l', {}},
    {0x27, false, 0xBA, L';', {}},          {0x28, false, 0xDE, L'\'', {}},
    {0x29, false, 0xC0, L'`', {}},          {0x2A, false, 0xA0, 0, L"Shift"},
    {0x2B, false, 0xDC, L'\\', {}},         {0x2C, false, 0x5A, L'z', {}},
    {0x2D, false, 0x58, L'x', {}},          {0x2E, false, 0x43, L'c', {}},
    {0x2F, false, 0x56, L'v', {}},          {0x30, false, 0x42, L'b', {}},
    {0x31, false, 0x4E, L'n', {}},          {0x32, false, 0x4D, L'm', {}},
    {0x33, false, 0xBC, L',', {}},          {0x34, false, 0xBE, L'.', {}},
    {0x35, false, 0xBF, L'/', {}},          {0x36, false, 0xA1, 0, L"Right Shift"},
    {0x37, false, 0x6A, L'*', L"Num *"},    {0x38, false, 0xA4, 0, L"Alt"},
    {0x39, false, 0x20, L' ', L"Space"},    {0x3A, false, 0x14, 0, L"Caps Lock"},
    {0x3B, false, 0x70, 0, L"F1"},          {0x3C, false, 0x71, 0, L"F2"},
    {0x3D, false, 0x72, 0, L"F3"},          {0x3E, false, 0x73, 0, L"F4"},
    {0x3F, false, 0x74, 0, L"F5"},          {0x40, false, 0x75, 0, L"F6"},
    {0x41, false, 0x76, 0, L"F7"},          {0x42, false, 0x77, 0, L"F8"},
    {0x43, false, 0x78, 0, L"F9"},          {0x44, false, 0x79, 0, L"F10"},
    {0x45, false, 0x13, 0, L"Pause"},       {0x46, false, 0x91, 0, L"Scroll Lock"},
    {0x47, false, 0x67, L'7', L"Num 7"},    {0x48, false, 0x68, L'8', L"Num 8"},
    {0x49, false, 0x69, L'9', L"Num 9"},    {0x4A, false, 0x6D, L'-', L"Num -"},
    {0x4B, false, 0x64, L'4', L"Num 4"},    {0x4C, false, 0x65, L'5', L"Num 5"},
    {0x4D, false, 0x66, L'6', L"Num 6"},    {0x4E, false, 0x6B, L'+', L"Num +"},
    {0x4F, false, 0x61, L'1', L"Num 1"},    {0x50, false, 0x62, L'2', L"Num 2"},
    {0x51, false, 0x63, L'3', L"Num 3"},    {0x52, false, 0x60, L'0', L"Num 0"},
    {0x53, false, 0x6E, L'.', L"Num Del"},  {0x57, false, 0x7A, 0, L"F11"},
    {0x58, false, 0x7B, 0, L"F12"},         {0x1C, true, 0x0D, L'\r', L"Num Enter"},
    {0x1D, true, 0xA3, 0, L"Right Ctrl"},   {0x35, true, 0x6F, L'/', L"Num /"},
    {0x37, true, 0x2C, 0, L"Prnt Scrn"},    {0x38, true, 0xA5, 0, L"Right Alt"},
    {0x45, true, 0x90, 0, L"Num Lock"},     {0x46, true, 0x03, 0, L"Break"},
    {0x47, true, 0x24, 0, L"Home"},         {0x48, true, 0x26, 0, L"Up"},
    {0x49, true, 0x21, 0, L"Page Up"},      {0x4B, true, 0x25, 0, L"Left"},
    {0x4D, true, 0x27, 0, L"Right"},        {0x4F, true, 0x23, 0, L"End"},
    {0x50, true, 0x28, 0, L"Down"},         {0x51, true, 0x22, 0, L"Page Down"},
    {0x52, true, 0x2D, 0, L"Insert"},       {0x53, true, 0x2E, 0, L"Delete"},
    {0x5B, true, 0x5B, 0, L"Left Windows"}, {0x5C, true, 0x5C, 0, L"Right Windows"},
    {0x5D, true, 0x5D, 0, L"Application"},
};

}  // namespace

UsKeyboardLayout::UsKeyboardLayout() : TableKeyboardLayout(kUsKeys) {}

}  // namespace ravix
