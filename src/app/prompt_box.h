#pragma once
// The modal prompt through which every value of a run is typed.

#include <QDialog>

class QLineEdit;

namespace traverse {

// The caption of the prompts and of the failure box; the main window has its
// own.
inline constexpr char kApplicationTitle[] = "附合导线近似平差";

// Application-modal: while it is open the main window repaints but takes no
// input. OK and Enter accept; Cancel, Escape and the close box reject.
class PromptBox : public QDialog {
  Q_OBJECT

 public:
  explicit PromptBox(const QString& message, QWidget* parent = nullptr);

  // What the field holds; only meaningful once the box was accepted.
  QString Answer() const;

 private:
  QLineEdit* answer_;
};

}  // namespace traverse
