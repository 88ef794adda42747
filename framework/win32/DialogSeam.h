#pragma once
// The one place where modal dialogs and message boxes can be answered without a
// person. The program never installs an answerer, so it always shows the real
// dialogs; a test installs one to drive commands that ask questions.
#include <windows.h>

#include <optional>
#include <string>

class TCustomForm;

namespace qv {

struct TFileDialogRequest {
  bool save = false;
  std::string title;
  std::string fileName;
  std::string filter;
  std::string defaultExt;
  int filterIndex = 1;
  DWORD flags = 0;  // OFN_* as they would be handed to the dialog
};

struct TFileDialogAnswer {
  bool confirmed = false;
  std::string fileName;
  int filterIndex = 1;
};

class IDialogAnswerer {
public:
  virtual ~IDialogAnswerer() = default;
  // Each answer returns nothing to let the real dialog show after all.
  virtual std::optional<int> AnswerMessageBox(const std::string& text, const std::string& caption, UINT type)
  {
    (void)text, (void)caption, (void)type;
    return std::nullopt;
  }
  virtual std::optional<TFileDialogAnswer> AnswerFileDialog(const TFileDialogRequest& request)
  {
    (void)request;
    return std::nullopt;
  }
  // May change the font; returns whether the dialog was confirmed.
  virtual std::optional<bool> AnswerFontDialog(LOGFONTA& font, COLORREF& color)
  {
    (void)font, (void)color;
    return std::nullopt;
  }
  // May change the form's controls; returns the modal result.
  virtual std::optional<int> AnswerShowModal(TCustomForm& form)
  {
    (void)form;
    return std::nullopt;
  }
};

IDialogAnswerer* DialogAnswerer() noexcept;

// Installs an answerer for its own lifetime and puts the previous one back.
class ScopedDialogAnswerer {
public:
  explicit ScopedDialogAnswerer(IDialogAnswerer& answerer) noexcept;
  ~ScopedDialogAnswerer();
  ScopedDialogAnswerer(const ScopedDialogAnswerer&) = delete;
  ScopedDialogAnswerer& operator=(const ScopedDialogAnswerer&) = delete;

private:
  IDialogAnswerer* previous_;
};

}  // namespace qv
