// The user-interface services the library asks of its host: message boxes, processing of pending
// window messages, the screen's mouse pointer and the file-open dialog.
//
// A host installs the implementation it wants once at start (SetUiServices); until then the
// headless one serves. All calls come from the host's user-interface thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera::platform {

// Message-box style values (buttons + icon + default button) and answers, as the host has them.
inline constexpr int32_t vbOKOnly = 0;
inline constexpr int32_t vbOKCancel = 1;
inline constexpr int32_t vbAbortRetryIgnore = 2;
inline constexpr int32_t vbYesNoCancel = 3;
inline constexpr int32_t vbYesNo = 4;
inline constexpr int32_t vbRetryCancel = 5;
inline constexpr int32_t vbCritical = 16;
inline constexpr int32_t vbQuestion = 32;
inline constexpr int32_t vbExclamation = 48;
inline constexpr int32_t vbInformation = 64;
inline constexpr int32_t vbDefaultButton2 = 256;
inline constexpr int32_t vbDefaultButton3 = 512;

inline constexpr int32_t vbOK = 1;
inline constexpr int32_t vbCancel = 2;
inline constexpr int32_t vbAbort = 3;
inline constexpr int32_t vbRetry = 4;
inline constexpr int32_t vbIgnore = 5;
inline constexpr int32_t vbYes = 6;
inline constexpr int32_t vbNo = 7;

// Screen mouse-pointer values.
inline constexpr int16_t vbDefault = 0;
inline constexpr int16_t vbArrow = 1;
inline constexpr int16_t vbHourglass = 11;

// The file dialog's flag that the chosen file must exist (OFN_FILEMUSTEXIST).
inline constexpr int32_t kFileMustExist = 4096;

// What the library sets on the file-open dialog before it shows it. The filter is the host's
// "description|pattern|description|pattern" text.
struct TESSERA_API FileOpenRequest {
  std::string filter{};
  std::string default_extension{};
  std::string initial_directory{};
  std::string file_name{};
  int32_t flags = 0;
};

class TESSERA_API UiServices {
 public:
  virtual ~UiServices() = default;

  // Shows a message box and answers the button the user chose (vbOK ...).
  virtual int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) = 0;

  // Processes the pending window messages: host events may run before this returns.
  virtual void ProcessPendingMessages() = 0;

  virtual int16_t MousePointer() const = 0;
  virtual void SetMousePointer(int16_t pointer) = 0;

  // Shows the Open dialog; answers the chosen file name, "" when the user cancelled.
  virtual std::string ShowFileOpen(const FileOpenRequest& request) = 0;

  // Sounds the system beep (MessageBeep).
  virtual void Beep() = 0;
};

// The answer of the button that has the focus when a box of `style` opens: the first button of
// its set, or the second or third with vbDefaultButton2 or 3.
TESSERA_API int32_t DefaultAnswer(int32_t style);

}  // namespace tessera::platform
