#include "modal_driver.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace traverse::testing {
namespace {

// Long enough for a prompt to come up, short enough that a 35-prompt run
// stays quick.
constexpr int kPollMilliseconds = 5;

void Dismiss(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace

void TypeInto(QLineEdit* field, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClicks(field, QString(c));
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(QString(c));
      QApplication::sendEvent(field, &commit);
    }
  }
}

ModalDriver::ModalDriver() {
  connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
  timer_.start(kPollMilliseconds);
}

void ModalDriver::Then(Step step) { steps_.push_back(std::move(step)); }

void ModalDriver::Answer(const QString& text) {
  Then([text](QWidget* modal) {
    auto* field = modal->findChild<QLineEdit*>();
    QVERIFY2(field, "the modal window is no prompt");
    TypeInto(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  });
}

void ModalDriver::Escape() {
  Then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
}

void ModalDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == handled_ || !modal->isVisible()) return;
  handled_ = modal;
  if (steps_.empty() || QTest::currentTestFailed()) {
    ++unexpected_;
    Dismiss(modal);
    return;
  }
  // Run the step outside this timer's callback: Qt fires no timer while its
  // own callback runs, and a step may open a nested modal window (that is what
  // some tests look for).
  QTimer::singleShot(0, this, [target = QPointer<QWidget>(modal),
                               step = std::move(steps_.front())] {
    if (!target) return;
    step(target);
    // A failed check inside the step must not leave the run waiting for ever.
    if (QTest::currentTestFailed() && target && target->isVisible()) Dismiss(target);
  });
  steps_.pop_front();
}

QString UnescapeTranscriptText(const QString& text) {
  QString out;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const QChar next = text[++i];
    out += next == 't' ? QChar('\t') : next == 'n' ? QChar('\n') : next == 'r' ? QChar('\r') : next;
  }
  return out;
}

}  // namespace traverse::testing
