#pragma once
// The boundary between a computation run and whoever shows it: the Qt window, a
// test, or traverse-replay. The run never reads anything back from the window.

#include <string>

namespace traverse {

// The 22 output fields of the main window; the numbers are the controls' own.
enum class Field {
  Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
  Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21, Text22
};

constexpr int kFieldCount = 22;

// "Text1" .. "Text22".
std::string FieldName(Field field);

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Shows a modal prompt with `message` and one empty single-line field. Returns
  // the typed text on OK/Enter, the empty text on Cancel/Escape/close.
  virtual std::string PromptDialog(const std::string& message) = 0;

  // Replaces the whole text of one field; it must show at once.
  virtual void SetFieldText(Field field, const std::string& text) = 0;

  // Shows the message of a failed run in a modal box with one OK button and
  // returns once it is dismissed.
  virtual void ShowFailure(const std::string& message) = 0;
};

}  // namespace traverse
