#pragma once
// The buttons and icons of a message box and its answers, as both programs
// ask their desktop for one.

// Buttons and icons of a message box, and its answers.
namespace Msg {
constexpr int OkOnly = 0;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;

constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace Msg
