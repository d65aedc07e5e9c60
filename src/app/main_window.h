#pragma once
// The program's only window: the labelled fields that a run writes, the frame
// of blue lines and the Compute and Stop buttons.

#include <QWidget>
#include <array>
#include <string>

#include "app/user_interface.h"

class QCloseEvent;
class QLineEdit;
class QPaintEvent;

namespace traverse {

class MainWindow : public QWidget, public UserInterface {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Opens a PromptBox over the window; the empty text unless it was accepted.
  std::string PromptDialog(const std::string& message) override;
  // Replaces the text and paints the field at once. The cursor goes to the
  // start so that a text longer than the field shows its beginning.
  void SetFieldText(Field field, const std::string& text) override;
  // A warning box with one OK button; the run has ended when it returns.
  void ShowFailure(const std::string& message) override;

  bool IsRunning() const { return running_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Compute();
  void Stop();

  std::array<QLineEdit*, kFieldCount> fields_{};
  bool running_ = false;
};

}  // namespace traverse
