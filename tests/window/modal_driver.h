#pragma once
// Drives the modal windows of a run from inside their own event loops: every
// modal window that opens is handed to the next step, in order.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class QLineEdit;
class QWidget;

namespace traverse::testing {

// Types `text` as a user would: ASCII from the keyboard, anything else as an
// input method commits it.
void TypeInto(QLineEdit* field, const QString& text);

// A text of a replay transcript as it was: \\, \t, \n and \r undone.
QString UnescapeTranscriptText(const QString& text);

class ModalDriver : public QObject {
 public:
  using Step = std::function<void(QWidget* modal)>;

  ModalDriver();

  void Then(Step step);
  // A prompt answered by typing `text` and pressing Enter.
  void Answer(const QString& text);
  // A prompt or message box dismissed with Escape.
  void Escape();

  std::size_t StepsLeft() const { return steps_.size(); }
  // Modal windows that opened with no step left for them, or after a step
  // failed; each was dismissed so that the run could end.
  int Unexpected() const { return unexpected_; }

 private:
  void Poll();

  QTimer timer_;
  std::deque<Step> steps_;
  QPointer<QWidget> handled_;
  int unexpected_ = 0;
};


}  // namespace traverse::testing
