#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <array>
#include <exception>
#include <limits>

#include "app/prompt_box.h"
#include "app/run_computation.h"
#include "app/window_layout.h"

namespace traverse {
namespace {

constexpr char kWindowCaption[] = "附合导线平差";

const QColor kBackground(255, 255, 192);
const QColor kLineColour(0, 0, 255);
constexpr int kLineWidth = 3;

// Painted by the style sheet rather than the palette: several styles ignore a
// palette's button colour. The border keeps the raised look of a button.
constexpr char kButtonStyle[] =
    "QPushButton { background-color: rgb(255, 192, 192); color: black;"
    " border-style: solid; border-width: 2px;"
    " border-color: white rgb(64, 64, 64) rgb(64, 64, 64) white; }"
    "QPushButton:pressed { border-color: rgb(64, 64, 64) white white rgb(64, 64, 64); }";

// A style sheet leaves a button without a focus mark; the dotted rectangle
// inside the border shows which one Space or Enter would press.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
  }
};

QRect Pixels(const TwipRect& r) {
  return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
               r.height / kTwipsPerPixel);
}

// The band of pixels a line covers: centred on its end points, reaching past
// each end by half its width so that the corners of the frame close.
QRect LinePixels(const LinePlace& l) {
  const int half = kLineWidth / 2;
  const QPoint from(l.x1 / kTwipsPerPixel, l.y1 / kTwipsPerPixel);
  const QPoint to(l.x2 / kTwipsPerPixel, l.y2 / kTwipsPerPixel);
  return QRect(from, to).normalized().adjusted(-half, -half, half, half);
}

// Song-style CJK faces in order of preference, for machines without 宋体.
QStringList SongFamilies() {
  return {"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC"};
}

// The plain sans serif the system offers for a missing "MS Sans Serif" leads,
// so that Latin letters stay sans serif; the Chinese of the start-data labels
// falls through to a Song face. The probe asks for the size and weight the
// font is used at, so that the match it makes is the one the labels reuse.
QStringList SansFamilies(double points) {
  QFont probe("MS Sans Serif");
  probe.setStyleHint(QFont::SansSerif);
  probe.setPointSizeF(points);
  probe.setBold(true);
  QStringList families{"MS Sans Serif"};
  const QString stand_in = QFontInfo(probe).family();
  if (!families.contains(stand_in)) families << stand_in;
  return families + SongFamilies();
}

double PointsOf(FontKind kind) {
  switch (kind) {
    case FontKind::Song9: return 9;
    case FontKind::Song10_5: return 10.5;
    case FontKind::Song12: return 12;
    case FontKind::Song15_75: return 15.75;
    case FontKind::Sans8_25: return 8.25;
  }
  return 9;
}

QFont MakeFont(FontKind kind) {
  QFont font;
  const double points = PointsOf(kind);
  if (kind == FontKind::Sans8_25) {
    font.setFamilies(SansFamilies(points));
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamilies(SongFamilies());
    font.setStyleHint(QFont::Serif);
  }
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// Each font is matched once, not once per control.
class Fonts {
 public:
  Fonts() {
    for (FontKind kind : {FontKind::Song9, FontKind::Song10_5, FontKind::Song12,
                          FontKind::Song15_75, FontKind::Sans8_25}) {
      fonts_[static_cast<std::size_t>(kind)] = MakeFont(kind);
    }
  }
  const QFont& Of(FontKind kind) const { return fonts_[static_cast<std::size_t>(kind)]; }

 private:
  std::array<QFont, 5> fonts_;
};

// A label shows as many whole lines as its box holds (one in a box 255 twips
// high, two in one of 375) and nothing of the lines wrapped below them. QLabel
// clips its text to the contents rectangle, so a bottom margin ends it at the
// last whole line.
void ShowWholeLinesOnly(QLabel* label) {
  const int line_height =
      QFontMetrics(label->font())
          .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), Qt::AlignLeft | Qt::AlignTop,
                        label->text())
          .height();
  if (line_height <= 0) return;
  const int box = label->height();
  const int lines = std::max(1, qRound(static_cast<double>(box) / line_height));
  label->setContentsMargins(0, 0, 0, std::max(0, box - lines * line_height));
}

QIcon GenericWindowIcon(const QStyle* style) {
  const QIcon source = style->standardIcon(QStyle::SP_TitleBarMaxButton);
  QIcon icon;
  // Both sizes in pixels of their own, whatever the screen's scale.
  icon.addPixmap(source.pixmap(QSize(32, 32), 1.0));
  icon.addPixmap(source.pixmap(QSize(16, 16), 1.0));
  return icon;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("MainWindow");
  setWindowTitle(QString::fromUtf8(kWindowCaption));
  setWindowIcon(GenericWindowIcon(style()));
  const Fonts fonts;

  // Lines first: the controls stand above the frame, as on a form.
  QPalette line_palette = palette();
  line_palette.setColor(QPalette::Window, kLineColour);
  for (const LinePlace& place : kLines) {
    auto* line = new QFrame(this);
    line->setObjectName(place.name);
    line->setFrameShape(QFrame::NoFrame);
    line->setPalette(line_palette);
    line->setAutoFillBackground(true);
    line->setGeometry(LinePixels(place));
  }

  QPalette label_palette = palette();
  label_palette.setColor(QPalette::Window, kBackground);
  label_palette.setColor(QPalette::WindowText, Qt::black);
  for (const LabelPlace& place : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(place.caption), this);
    label->setObjectName(place.name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(fonts.Of(place.font));
    label->setPalette(label_palette);
    label->setAutoFillBackground(true);
    label->setGeometry(Pixels(place.place));
    ShowWholeLinesOnly(label);
  }

  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const FieldPlace& place = kFields[i];
    auto* field = new QLineEdit(this);
    field->setObjectName(place.name);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setFont(fonts.Of(i == 0 ? FontKind::Song10_5 : FontKind::Song9));
    field->setGeometry(Pixels(place.place));
    // Named after its labels, for screen readers.
    QString name = findChild<QLabel*>(place.description_label)->text().trimmed();
    if (place.symbol_label) {
      name += ' ' + findChild<QLabel*>(place.symbol_label)->text().trimmed();
    }
    field->setAccessibleName(name);
    fields_[i] = field;
  }

  for (const ButtonPlace* place : {&kComputeButton, &kStopButton}) {
    auto* button = new CommandButton(QString::fromUtf8(place->caption), this);
    button->setObjectName(place->name);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFont(fonts.Of(FontKind::Sans8_25));
    button->setStyleSheet(kButtonStyle);
    button->setGeometry(Pixels(place->place));
    connect(button, &QPushButton::clicked, this,
            place == &kComputeButton ? &MainWindow::Compute : &MainWindow::Stop);
  }

  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    auto* next = findChild<QWidget*>(name);
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
  fields_[0]->setFocus();

  resize(kOpeningWidthTwips / kTwipsPerPixel, kOpeningHeightTwips / kTwipsPerPixel);
}

std::string MainWindow::PromptDialog(const std::string& message) {
  PromptBox box(QString::fromStdString(message), this);
  if (box.exec() != QDialog::Accepted) return {};
  return box.Answer().toStdString();
}

void MainWindow::SetFieldText(Field field, const std::string& text) {
  QLineEdit* target = fields_.at(static_cast<std::size_t>(field) - 1);
  target->setText(QString::fromStdString(text));
  target->setCursorPosition(0);
  // The run may compute for a while before the next dialog spins an event
  // loop; the text has to be on screen before then.
  target->repaint();
}

void MainWindow::ShowFailure(const std::string& message) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(message), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A run cannot be cancelled; its modal dialogs keep the close box away, and
  // this catches whatever closes the window by other means.
  if (running_) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kBackground); }

void MainWindow::Compute() {
  if (running_) return;
  running_ = true;
  struct Idle {
    bool& running;
    ~Idle() { running = false; }
  } idle{running_};
  try {
    RunComputation(*this);
  } catch (const std::exception& e) {
    // Nothing may unwind through the event loop; the run has ended either way.
    ShowFailure(e.what());
  }
}

void MainWindow::Stop() {
  if (!running_) close();
}

}  // namespace traverse
