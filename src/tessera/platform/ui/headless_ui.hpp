// The user-interface services of a host without a screen: message boxes are written as JSON
// lines, pending messages are the callbacks queued here, and the file dialog answers what the
// host or a test scripted, else it is cancelled.
#pragma once

#include <deque>
#include <iosfwd>
#include <mutex>

#include "tessera/export.hpp"
#include "tessera/platform/ui/message_queue.hpp"
#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::platform {

class TESSERA_API HeadlessUi : public UiServices {
 public:
  // Message boxes go to `log` (standard error by default), one line each:
  // {"msgbox":{"text":"...","style":16,"title":"Tessera"}}. The answer is the box's default
  // button, which is OK for the library's own boxes.
  HeadlessUi();
  explicit HeadlessUi(std::ostream& log);

  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override;
  void ProcessPendingMessages() override;
  int16_t MousePointer() const override;
  void SetMousePointer(int16_t pointer) override;
  std::string ShowFileOpen(const FileOpenRequest& request) override;
  // Writes the line {"beep":{}} to the log.
  void Beep() override;

  MessageQueue& messages() { return messages_; }

  // Queues the name the next Open dialog answers ("" to cancel it). With kFileMustExist the
  // dialog refuses a name that does not exist, as the user could not have chosen it.
  void ScriptFileOpen(std::string file_name);

 private:
  std::ostream& log_;
  MessageQueue messages_;
  mutable std::mutex mutex_;
  int16_t pointer_ = vbDefault;                // guarded by mutex_
  std::deque<std::string> file_open_answers_;  // guarded by mutex_
};

// The JSON line a headless message box writes, without the line end.
TESSERA_API std::string MessageBoxJson(std::string_view text, int32_t style, std::string_view title);

}  // namespace tessera::platform
