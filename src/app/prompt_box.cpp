#include "app/prompt_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace traverse {
namespace {

// Wide enough for the short prompts on one line; the confirmation prompts wrap
// onto a second.
constexpr int kMessageWidth = 440;

}  // namespace

PromptBox::PromptBox(const QString& message, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setWindowModality(Qt::ApplicationModal);

  auto* text = new QLabel(message, this);
  text->setObjectName("message");
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A wrapped label gets no height of its own from the layout: fix it so the
  // whole prompt shows.
  text->setFixedWidth(kMessageWidth);
  text->setMinimumHeight(text->heightForWidth(kMessageWidth));

  answer_ = new QLineEdit(this);
  answer_->setObjectName("answer");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("buttons");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(answer_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  answer_->setFocus();
}

QString PromptBox::Answer() const { return answer_->text(); }

}  // namespace traverse
